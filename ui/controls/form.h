#pragma once

#include <gtkmm/accelgroup.h>
#include <gtkmm/box.h>
#include <gtkmm/layout.h>
#include <gtkmm/menubar.h>
#include <gtkmm/window.h>

#include <memory>

#include "ui/controls/control.h"
#include "ui/controls/controls.h"

namespace lumetta {

class MenuItem;

// A top-level window: its caption, a menu bar, and a client area in which controls are placed
// at their twips geometry.
class Form : public Control {
 public:
  Form(std::string name, const std::string& caption, double client_width, double client_height);
  ~Form() override;

  Gtk::Window& Window() { return window_; }
  Gtk::Layout& Client();
  Controls& GetControls() { return controls_; }
  const Glib::RefPtr<Gtk::AccelGroup>& Accelerators() const { return accelerators_; }

  void AddMenu(MenuItem& top);
  void Add(Control& child) { child.PlaceIn(Client()); }

  // Size of the client area, below the menu bar, in twips.
  double ScaleWidth() const { return PixelsToTwips(client_width_); }
  double ScaleHeight() const { return PixelsToTwips(client_height_); }

  // Raised when the client area changes size.
  sigc::signal<void()> Resize;
  // Raised when the user asks to close the window (the close box).
  sigc::signal<void()> QueryUnload;
  // Raised when the window becomes the active one among the program's windows.
  sigc::signal<void()> Activate;

  // Runs Activate when this window was not already the program's active window.
  void RunActivate();
  // Whether `window` is the program window the user worked in last.
  static bool IsActiveWindow(const Gtk::Window& window);

 protected:
  void ApplyCaption() override;

 private:
  class ClientArea;
  void OnClientResize(int width, int height);

  Gtk::Window window_;
  Gtk::Box box_{Gtk::ORIENTATION_VERTICAL};
  Gtk::MenuBar menu_bar_;
  std::unique_ptr<ClientArea> client_;
  Glib::RefPtr<Gtk::AccelGroup> accelerators_;
  Controls controls_;
  int client_width_ = 0;
  int client_height_ = 0;
};

}  // namespace lumetta
