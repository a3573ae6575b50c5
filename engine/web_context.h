#pragma once

#include <webkit2/webkit2.h>

namespace lumetta {

// The one web context of the process, made on first use and kept until the process ends: its
// data lives in the program's XDG folders ($XDG_DATA_HOME/lumetta, $XDG_CACHE_HOME/lumetta), its
// pages run in bubblewrap's sandbox, and a cross-site navigation moves a view to a web process
// of its own. Every view and every download of the process uses it. The sandbox can only be
// turned on before the context starts its first web process, so nothing else may make views
// on another context of the process first.
WebKitWebContext* ProcessWebContext();

}  // namespace lumetta
