#pragma once

#include <memory>

namespace lumetta {

class BrowserControl;
class frmMain;

// What creates, tracks and destroys main windows. Windows ask it for new windows and to be
// unloaded; they never hold on to each other.
class WindowHost {
 public:
  virtual ~WindowHost() = default;

  // A new window object, not yet shown or loaded, with a control of its own.
  virtual frmMain& CreateMainWindow() = 0;
  // A new window object around a control made for a page's new-window request.
  virtual frmMain& CreateMainWindow(std::unique_ptr<BrowserControl> control) = 0;
  // Closes the window now; the object is destroyed once no handler can still be running in it.
  virtual void Unload(frmMain& window) = 0;
};

}  // namespace lumetta
