#include "engine/downloads/downloads.h"

#include <glibmm/main.h>
#include <glibmm/miscutils.h>

#include <algorithm>

#include "engine/downloads/download.h"
#include "engine/downloads/download_file_name.h"

namespace lumetta {

Downloads::Downloads(WebKitWebContext* context) : context_(context) {
  g_signal_connect(context_, "download-started", G_CALLBACK(&Downloads::OnStarted), this);
}

Downloads::~Downloads() {
  g_signal_handlers_disconnect_by_data(context_, this);
  downloads_.clear();
}

void Downloads::OnStarted(WebKitWebContext*, WebKitDownload* download, gpointer data) {
  auto* self = static_cast<Downloads*>(data);
  self->downloads_.push_back(std::make_unique<Download>(*self, download));
}

std::string Downloads::ReservePartFile(const std::string& final_path) {
  const std::string folder = Glib::path_get_dirname(final_path);
  const std::string name = Glib::path_get_basename(final_path);
  for (int n = 1;; ++n) {
    const std::string part =
        Glib::build_filename(folder, PartFileName(n == 1 ? name : NumberedName(name, n)));
    if (!reserved_.count(part) && !g_file_test(part.c_str(), G_FILE_TEST_EXISTS)) {
      reserved_.insert(part);
      return part;
    }
  }
}

void Downloads::Release(const std::string& part_path) { reserved_.erase(part_path); }

void Downloads::Remove(Download* download) {
  const auto it = std::find_if(downloads_.begin(), downloads_.end(),
                               [download](const auto& d) { return d.get() == download; });
  if (it == downloads_.end()) return;
  Download* released = it->release();
  downloads_.erase(it);
  Glib::signal_idle().connect_once([released] { delete released; });
}

}  // namespace lumetta
