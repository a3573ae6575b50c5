#pragma once

#include <gtkmm/label.h>
#include <gtkmm/window.h>

namespace lumetta {

// The note "按 Esc 键退出全屏" at the top of the screen, for a few seconds after a page went full
// screen. It takes neither the focus nor the pointer from the page.
class FullScreenHint : public Gtk::Window {
 public:
  static constexpr unsigned kShowMs = 3000;

  FullScreenHint();
  ~FullScreenHint() override;

  // Shows the note at the top of the screen that `window` (may be null) is on, and hides it
  // kShowMs later.
  void ShowOn(Gtk::Window* window);
  void Close();

 private:
  Gtk::Label label_;
  sigc::connection hide_;
};

}  // namespace lumetta
