#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <set>
#include <string>

#include "app/browser_control.h"
#include "ui/controls/form.h"
#include "ui/main_window/main_controls.h"
#include "ui/main_window/main_menus.h"

namespace lumetta {

class WindowHost;

namespace detail {
// Holds the window's browser control so that it exists before the controls that refer to it.
struct BrowserOwner {
  std::unique_ptr<BrowserControl> browser;
};
}  // namespace detail

// A main browser window: its controls, menus and the events that tie them to their handlers.
class frmMain : private detail::BrowserOwner, public Form, public MainControls, public MainMenus {
 public:
  frmMain(WindowHost& host, std::unique_ptr<BrowserControl> control);
  ~frmMain() override;

  // The address the window opens when it loads; empty means the home page.
  std::string mstrURLNewWindow;
  // The page-zoom percentage last chosen in this window; 0 until the first page-zoom command.
  int32_t mlngPageZoom = 0;

  // Loads the window (Form_Load) without showing it, the first time only. False when the
  // window is closed by then.
  bool Load();
  // Shows the window, loading it first if it has not been.
  void Show();
  // Closes this window only.
  void Unload();
  // Opens a new main window on `url`, with the keyboard focus in its address box.
  void DoAddNewWindow(const std::string& url);
  // Skins `target`, this window or another, with this window's skin object from the skin file
  // beside the program, and paints its background and its picture boxes in the panel colour.
  // Yields to the main loop after every control of `target`.
  void ApplySkin(Form& target);

  // The window opens the address its control is given instead of the start page, and its page
  // may close it: for a window that a page's new-window request makes.
  void SkipStartPage() { skip_start_page_ = true; }

  WindowHost& Host() const { return host_; }

  // Whether the user has clicked or typed in `box` (the address or the search box) since the
  // window last started a navigation at the user's word. The page's events then leave the box
  // its text, and leave the keyboard focus where it is, so that a page cannot take the keys
  // the user types there.
  bool UserIsIn(const TextBox& box) const;
  bool UserIsInABox() const { return UserIsIn(txtURL) || UserIsIn(txtSearch); }
  // The user starts a navigation from the window: its completion may take the focus again.
  void NavigationStarted() { boxes_in_use_.clear(); }

  // Raised by the load, in its place among the load's steps, to build the favorites list.
  sigc::signal<void()> FavoritesLoad;

  // What a toolbar button does, by the button's index; the subsystems owning the commands fill
  // it in with their handlers. Null for an index without an action.
  using ToolbarHandler = void (*)(frmMain&);
  void SetToolbarAction(int index, ToolbarHandler action) { toolbar_actions_[index] = action; }
  ToolbarHandler ToolbarAction(int index) const;

  // Live window objects in the process.
  static int InstanceCount();

 private:
  void ConnectEvents();
  void AddressBoxInUse();
  void SearchBoxInUse();
  void FormLoad();
  void FormResize();
  void FormActivate();
  void webMain_WindowClosing();

  WindowHost& host_;
  bool loaded_ = false;
  bool skip_start_page_ = false;
  std::set<const TextBox*> boxes_in_use_;
  std::map<int, ToolbarHandler> toolbar_actions_;
};

// Opens a new main window of `host` on `url`, with the keyboard focus in its address box: what
// DoAddNewWindow does, for a caller without a main window at hand.
void AddNewMainWindow(WindowHost& host, const std::string& url);

}  // namespace lumetta
