#pragma once

#include <gtkmm/dialog.h>
#include <gtkmm/entry.h>
#include <gtkmm/label.h>
#include <webkit2/webkit2.h>

namespace lumetta {

// The control's own window for a page's alert, confirm, prompt or leave-page question. It stands
// over the page's window without blocking it, so that the user can still go elsewhere.
class ScriptDialogWindow : public Gtk::Dialog {
 public:
  ScriptDialogWindow(Gtk::Window* parent, WebKitScriptDialog* dialog);

  // Gives `dialog` the user's answer: Gtk::RESPONSE_OK accepts (with the prompt's text), any
  // other response cancels.
  void Answer(WebKitScriptDialog* dialog, int response) const;

 private:
  Gtk::Label message_;
  Gtk::Entry entry_;
};

}  // namespace lumetta
