#pragma once

#include <gtkmm/windowgroup.h>

#include <string>

#include "ui/controls/command_button.h"
#include "ui/controls/form.h"
#include "ui/controls/skin_label.h"
#include "ui/controls/text_box.h"

namespace lumetta {

class WindowHost;

// The longest path the Browse button puts into the address box, in characters.
inline constexpr size_t kMaxOpenPathLength = 254;

// The Open dialog: the user types an address, a document or a folder, or browses for a file,
// and OK opens it in a new main window. Modeless and without an owner; there is at most one,
// which the host creates, shows and unloads. It reaches the main windows only through the
// host's default main window.
class frmOpen : public Form {
 public:
  explicit frmOpen(WindowHost& host);
  ~frmOpen() override;

  // Loads the dialog the first time (Form_Load), then shows it with the focus on Browse, or
  // brings it to the front when it is shown.
  void Show();

  SkinLabel SkinLabel1{"SkinLabel1"};
  SkinLabel SkinLabel2{"SkinLabel2"};
  TextBox txtURL{"txtURL"};
  CommandButton cmdConfirm{"cmdConfirm", "确定"};
  CommandButton cmdCancel{"cmdCancel", "取消"};
  CommandButton cmdOpen{"cmdOpen", "浏览(&R)..."};

 private:
  void Build();
  void FormLoad();
  void cmdOpen_Click();
  void cmdConfirm_Click();
  void Unload();

  WindowHost& host_;
  // A group of its own: the file dialog it runs blocks this dialog only, not the main windows.
  Glib::RefPtr<Gtk::WindowGroup> group_ = Gtk::WindowGroup::create();
  bool loaded_ = false;
  bool loading_ = false;
  bool confirming_ = false;
};

}  // namespace lumetta
