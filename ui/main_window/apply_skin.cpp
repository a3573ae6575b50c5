#include "ui/main_window/apply_skin.h"

#include "app/do_events.h"
#include "app/resume_next.h"
#include "platform/program_folder.h"
#include "ui/main_window/frm_main.h"

namespace lumetta {

void frmMain::ApplySkin(Form& target) {
  const std::weak_ptr<void> alive = target.Alive();
  // The file is read again at every call, so a skin replaced meanwhile reaches the next window.
  const std::string folder = ProgramFolder();
  // Without the program's folder the path would name a file at the root.
  if (!folder.empty()) Skin1.LoadSkin(folder + "/" + kSkinFileName);
  Skin1.ApplySkin(target);
  // A colour goes in as a style sheet, which gtkmm throws for when GTK refuses it.
  Try([&] { target.SetBackColor(kPanelColor); });
  // By position: controls may come and go (a favorites list rebuilt) while the loop yields.
  Controls& controls = target.GetControls();
  for (size_t position = 0; position < controls.Count(); ++position) {
    Try([&] {
      Control& control = controls.Item(position);
      if (control.TypeName() == "PictureBox") control.SetBackColor(kPanelColor);
    });
    DoEvents();
    if (alive.expired()) return;
  }
}

}  // namespace lumetta
