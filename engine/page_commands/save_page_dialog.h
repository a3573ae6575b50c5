#pragma once

#include <gtkmm/filechooserdialog.h>
#include <webkit2/webkit2.h>

#include <memory>

namespace lumetta {

// The "另存为" file chooser for the page of a view: the user's download folder, the page's
// title as the proposed name, three types (one MHTML file, the HTML as received, the text), and
// a question before a file is replaced. Modal for its parent while shown, it runs no main loop
// of its own; on Save the page is saved with SavePage.
class SavePageDialog {
 public:
  explicit SavePageDialog(WebKitWebView* view) : view_(view) {}

  void Show(Gtk::Window* parent);
  // Takes the dialog down without saving.
  void Close();

 private:
  void Build();
  void OnResponse(int response);
  void OnTypeChanged();

  WebKitWebView* view_;
  std::unique_ptr<Gtk::FileChooserDialog> dialog_;
};

}  // namespace lumetta
