#pragma once

#include <string>

namespace Gtk {
class Window;
}  // namespace Gtk

namespace lumetta {

// What the open-file dialog shows and accepts.
struct OpenFileRequest {
  std::string title;
  // The one file type offered: its description and a glob pattern.
  std::string filter_name;
  std::string filter_pattern;
  std::string initial_folder;
  // The longest path, in characters, that the caller takes; a longer one makes the dialog fail.
  size_t max_path_length = 0;
};

// The open-file dialog: the user picks one existing file in an existing folder.
class FileDialog {
 public:
  FileDialog() = default;
  FileDialog(const FileDialog&) = delete;
  FileDialog& operator=(const FileDialog&) = delete;
  virtual ~FileDialog() = default;

  // Runs the dialog modally over `owner`. True with the chosen file's full path as text in
  // `path`; false, with `path` untouched, when the user cancels or the dialog fails.
  virtual bool OpenFile(Gtk::Window& owner, const OpenFileRequest& request, std::string& path) = 0;
};

// A Gtk::FileChooserDialog with Chinese buttons.
class GtkFileDialog : public FileDialog {
 public:
  bool OpenFile(Gtk::Window& owner, const OpenFileRequest& request, std::string& path) override;
};

// The text that stands for the file `filename` (in the file system's encoding): the path itself
// when it is valid UTF-8, else its file: URL, which names the same file in plain ASCII.
std::string FilePathText(const std::string& filename);

}  // namespace lumetta
