#pragma once

#include <gtkmm/button.h>
#include <gtkmm/checkbutton.h>
#include <gtkmm/dialog.h>
#include <gtkmm/entry.h>
#include <gtkmm/frame.h>
#include <gtkmm/label.h>
#include <gtkmm/radiobutton.h>
#include <webkit2/webkit2.h>

#include <string>

namespace lumetta {

// The control's "查找" dialog for the page in a view: the text to find, match case, direction
// up or down, find next and cancel. Every match is highlighted, the current one selected and
// scrolled into view, and the dialog says when the text is not on the page. It stays open
// beside the page until cancelled.
class FindDialog {
 public:
  explicit FindDialog(WebKitWebView* view);
  ~FindDialog();
  FindDialog(const FindDialog&) = delete;
  FindDialog& operator=(const FindDialog&) = delete;

  void Show(Gtk::Window* parent);
  // Takes the dialog down and the highlights off the page.
  void Close();

 private:
  void FindNext();
  void ForgetSearch() { searched_text_.clear(); }
  static void OnFound(WebKitFindController*, guint count, gpointer self);
  static void OnNotFound(WebKitFindController*, gpointer self);
  static void OnLoadChanged(WebKitWebView*, WebKitLoadEvent event, gpointer self);

  WebKitWebView* view_;
  WebKitFindController* finder_;
  // The text and options of the search under way; empty text when none is.
  std::string searched_text_;
  guint32 searched_options_ = 0;
  // Set by a new search, whose first answer counts every match.
  bool counting_ = false;

  Gtk::Dialog dialog_;
  Gtk::Entry text_;
  Gtk::CheckButton match_case_{"区分大小写(_C)", true};
  Gtk::Frame direction_{"方向"};
  Gtk::RadioButton up_{"向上(_U)", true};
  Gtk::RadioButton down_{"向下(_D)", true};
  Gtk::Button* find_next_ = nullptr;
  Gtk::Label status_;
};

}  // namespace lumetta
