#pragma once

#include <memory>

namespace lumetta {

class BrowserControl;
class frmMain;

// What creates, tracks and destroys the program's windows: the main windows and the one Open
// dialog. Windows ask it for new windows and to be unloaded; they never hold on to each other.
class WindowHost {
 public:
  virtual ~WindowHost() = default;

  // A new window object, not yet shown or loaded, with a control of its own.
  virtual frmMain& CreateMainWindow() = 0;
  // A new window object around a control made for a page's new-window request.
  virtual frmMain& CreateMainWindow(std::unique_ptr<BrowserControl> control) = 0;
  // Closes the window now; the object is destroyed once no handler can still be running in it.
  virtual void Unload(frmMain& window) = 0;

  // The default main window, which serves the Open dialog: the window created first while it
  // is open, after that the oldest open one; null when no main window is open.
  virtual frmMain* DefaultWindow() = 0;
  // Shows the Open dialog, loaded afresh when it is closed; brings it to the front when it is
  // open.
  virtual void ShowOpenDialog() = 0;
  // Closes the Open dialog; it is destroyed once no handler can still be running in it.
  virtual void UnloadOpenDialog() = 0;
};

}  // namespace lumetta
