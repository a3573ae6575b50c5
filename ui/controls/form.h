#pragma once

#include <gtkmm/accelgroup.h>
#include <gtkmm/box.h>
#include <gtkmm/layout.h>
#include <gtkmm/menubar.h>
#include <gtkmm/window.h>

#include <initializer_list>
#include <memory>
#include <vector>

#include "ui/controls/control.h"
#include "ui/controls/controls.h"
#include "ui/controls/event_row.h"

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

  // Adds a menu to the menu bar, which shows once it has one.
  void AddMenu(MenuItem& top);
  void Add(Control& child) { child.PlaceIn(Client()); }
  // The order in which Tab and Shift+Tab move the keyboard focus through the controls of the
  // client area, in place of their positions; controls that cannot take the focus are passed
  // over. Arrow keys still move by position.
  void SetTabOrder(std::vector<Control*> order);

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

  // Expires when the window closes. Code that yielded to the main loop checks it before it
  // touches the window again.
  std::weak_ptr<void> Alive() const { return alive_; }

  // Connects the events of the window's controls to their handlers, a row each, until the
  // window closes:
  //   form.Connect({{form.txtURL.KeyDown, txtURL_KeyDown},
  //                 {form.mnuMainViewPageZoomX, &MenuItem::Click, mnuMainViewPageZoomX_Click}});
  void Connect(std::initializer_list<EventRow> table);
  // Keeps a connection of one of the window's events; it is cut when the window closes.
  void Track(sigc::connection connection);
  // Called by the host as the window closes: Alive() expires, no event reaches the window any
  // more, and it hides.
  void Detach();

 protected:
  void ApplyCaption() override;
  // The window and its client area.
  void ApplyBackColor() override;

 private:
  class ClientArea;
  void OnClientResize(int width, int height);
  bool MoveFocusInTabOrder(Gtk::DirectionType direction);

  Gtk::Window window_;
  Gtk::Box box_{Gtk::ORIENTATION_VERTICAL};
  Gtk::MenuBar menu_bar_;
  std::unique_ptr<ClientArea> client_;
  Glib::RefPtr<Gtk::AccelGroup> accelerators_;
  Controls controls_;
  std::vector<Control*> tab_order_;
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
  std::vector<sigc::connection> connections_;
  size_t tracked_live_ = 0;
  Glib::RefPtr<Gtk::CssProvider> window_back_color_;
  Glib::RefPtr<Gtk::CssProvider> client_back_color_;
  int client_width_ = 0;
  int client_height_ = 0;
};

}  // namespace lumetta
