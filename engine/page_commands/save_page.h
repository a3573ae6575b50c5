#pragma once

#include <webkit2/webkit2.h>

#include <string>

namespace lumetta {

enum class SaveType {
  kWebArchive,  // the whole page in one MHTML file
  kHtml,        // the page's document exactly as the server sent it
  kText,        // the page's text, in UTF-8
};

// Saves the page shown in `view` to `path` as `type`. The content is fetched from the engine,
// then written in one go through a temporary file, so the file is whole or untouched. A file
// that cannot be written is reported in a message box. When the engine cannot give the content
// (no document, the view destroyed meanwhile) nothing is written and nothing said. Returns at
// once; the save holds its own reference to the view until it is done.
void SavePage(WebKitWebView* view, const std::string& path, SaveType type);

}  // namespace lumetta
