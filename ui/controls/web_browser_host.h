#pragma once

#include "app/browser_control.h"
#include "ui/controls/control.h"

namespace lumetta {

// The place of a window's browser control among its controls.
class WebBrowserHost : public Control {
 public:
  WebBrowserHost(std::string name, BrowserControl& control)
      : Control(std::move(name), "WebBrowser"), control_(control) {}

  Gtk::Widget* Widget() override { return &control_.GetWidget(); }
  BrowserControl* operator->() const { return &control_; }
  BrowserControl& Get() const { return control_; }

 private:
  BrowserControl& control_;
};

}  // namespace lumetta
