#include "ui/open_dialog/frm_open.h"

#include "app/auto_complete.h"
#include "app/do_events.h"
#include "app/resume_next.h"
#include "platform/file_dialog.h"
#include "platform/platform.h"
#include "platform/program_folder.h"
#include "platform/trim.h"
#include "ui/main_window/frm_main.h"
#include "ui/main_window/window_host.h"

namespace lumetta {

namespace {

constexpr char kOpenCaption[] = "打开";
constexpr double kDesignClientWidth = 5295;
constexpr double kDesignClientHeight = 1740;
// Stands in for MS Sans Serif 8.25 pt.
constexpr char kLabelFont[] = "Sans 8.25";

}  // namespace

frmOpen::frmOpen(WindowHost& host)
    : Form("frmOpen", kOpenCaption, kDesignClientWidth, kDesignClientHeight), host_(host) {
  // A fixed frame at the design size, centred on the screen; there is no layout code.
  Client().set_size_request(TwipsToPixels(kDesignClientWidth), TwipsToPixels(kDesignClientHeight));
  Window().set_resizable(false);
  Window().set_type_hint(Gdk::WINDOW_TYPE_HINT_DIALOG);
  Window().set_position(Gtk::WIN_POS_CENTER);
  group_->add_window(Window());
  Build();
  Connect({
      {QueryUnload, &frmOpen::Unload},
      {cmdOpen.Click, &frmOpen::cmdOpen_Click},
      {cmdConfirm.Click, &frmOpen::cmdConfirm_Click},
      {cmdCancel.Click, &frmOpen::Unload},
  });
}

frmOpen::~frmOpen() = default;

void frmOpen::Build() {
  auto place = [this](Control& control, double left, double top, double width, double height) {
    control.Move(left, top, width, height);
    Add(control);
    GetControls().Add(control);
  };
  SkinLabel1.SetCaption("键入文档或者文件夹的Internet地址，Corvane将为您打开它：");
  SkinLabel1.SetFont(kLabelFont);
  place(SkinLabel1, 225, 135, 4920, 555);
  SkinLabel2.SetCaption("打开:");
  SkinLabel2.SetFont(kLabelFont);
  place(SkinLabel2, 225, 765, 645, 285);
  place(txtURL, 990, 765, 4155, 285);
  place(cmdConfirm, 1620, 1215, 1080, 375);
  place(cmdCancel, 2790, 1215, 1080, 375);
  place(cmdOpen, 3960, 1215, 1170, 375);
  // Tab indexes 0 to 5; the labels take no focus.
  SetTabOrder({&cmdOpen, &cmdCancel, &cmdConfirm, &SkinLabel2, &txtURL, &SkinLabel1});
}

void frmOpen::Show() {
  // Called again while the load yields: the load's own caller shows the dialog.
  if (loading_) return;
  const std::weak_ptr<void> alive = Alive();
  if (!loaded_) {
    loaded_ = true;
    loading_ = true;
    FormLoad();
    loading_ = false;
    if (alive.expired()) return;
  }
  if (Window().get_visible()) {
    Window().present();
    return;
  }
  Window().show_all();
  cmdOpen.Button().grab_focus();
  RunActivate();
}

void frmOpen::FormLoad() {
  SetAutoComplete(txtURL.Entry(), kShacfUrlHistory);
  if (frmMain* main = host_.DefaultWindow()) main->ApplySkin(*this);
}

void frmOpen::cmdOpen_Click() {
  FileDialog* dialog = ThePlatform().file_dialog;
  if (dialog == nullptr || confirming_) return;
  // "*.*" matches every file on Windows, with a dot in its name or not; a GTK pattern needs "*".
  const OpenFileRequest request{"打开文件", "所有文件", "*", ProgramFolder(), kMaxOpenPathLength};
  const std::weak_ptr<void> alive = Alive();
  std::string path;
  bool chosen = false;
  {
    YieldScope modal;
    chosen = dialog->OpenFile(Window(), request, path);
  }
  if (chosen && !alive.expired()) txtURL.SetText(path);
}

void frmOpen::cmdConfirm_Click() {
  // A second click that arrives while the first one's window loads opens nothing more.
  if (confirming_) return;
  confirming_ = true;
  const std::weak_ptr<void> alive = Alive();
  const std::string text = txtURL.Text();
  const std::string url(TrimSpaces(text));
  // What the default main window's DoAddNewWindow does, also when no main window is open.
  if (!url.empty()) Try([&] { AddNewMainWindow(host_, url); });
  if (!alive.expired()) Unload();
}

void frmOpen::Unload() { host_.UnloadOpenDialog(); }

}  // namespace lumetta
