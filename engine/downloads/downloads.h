#pragma once

#include <webkit2/webkit2.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

namespace lumetta {

class Download;

// Every download of a web context: each one the engine starts, from any view, is the user's to
// open, save or cancel. A download goes on when the window that started it closes.
class Downloads {
 public:
  explicit Downloads(WebKitWebContext* context);
  // Cancels what is still running; no partial file stays behind.
  ~Downloads();
  Downloads(const Downloads&) = delete;
  Downloads& operator=(const Downloads&) = delete;

  // A free working file beside `final_path`, kept for the caller until Release.
  std::string ReservePartFile(const std::string& final_path);
  void Release(const std::string& part_path);
  // `download` is over; it is destroyed once its handlers have returned.
  void Remove(Download* download);

 private:
  static void OnStarted(WebKitWebContext*, WebKitDownload* download, gpointer self);

  WebKitWebContext* context_;
  std::vector<std::unique_ptr<Download>> downloads_;
  std::set<std::string> reserved_;
};

}  // namespace lumetta
