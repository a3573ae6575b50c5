#pragma once

#include <gtkmm/pagesetup.h>
#include <gtkmm/printsettings.h>
#include <sigc++/sigc++.h>
#include <webkit2/webkit2.h>

#include <string>

namespace lumetta {

// The name of GTK's printer that writes to a file (PDF, PostScript or SVG).
std::string FilePrinterName();

// Tells how a print ended: whether it printed and, when not, the engine's message.
using PrintDone = sigc::slot<void(bool printed, const std::string& error)>;

// Tells the user that a print failed, with the engine's `error`.
void ReportPrintFailure(const std::string& error);

// Prints the page of `view` with `page_setup` and `settings`. Output to a file goes first to a
// temporary file beside it, renamed over it once the engine has finished, so a print that fails
// or is stopped by the view's end leaves no part of a file. Returns at once; the job holds the
// view until the engine is done. `done` is skipped when the object it is bound to is gone.
void PrintPage(WebKitWebView* view, const Glib::RefPtr<Gtk::PageSetup>& page_setup,
               const Glib::RefPtr<Gtk::PrintSettings>& settings, PrintDone done);

}  // namespace lumetta
