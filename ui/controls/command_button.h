#pragma once

#include <gtkmm/button.h>

#include "ui/controls/control.h"

namespace lumetta {

// A push button. Its caption marks the access key with "&", as menu captions do.
class CommandButton : public Control {
 public:
  CommandButton(std::string name, const std::string& caption, int index = kNoIndex);

  Gtk::Widget* Widget() override { return &button_; }
  Gtk::Button& Button() { return button_; }

  sigc::signal<void()> Click;

  // Clicks the button as the user would; nothing happens while it is disabled.
  void PerformClick() {
    if (Enabled()) button_.clicked();
  }

 protected:
  void ApplyCaption() override;

 private:
  Gtk::Button button_;
};

}  // namespace lumetta
