#include "ui/main_window/frm_main.h"

#include <vector>

#include "app/auto_complete.h"
#include "app/settings.h"
#include "platform/program_folder.h"
#include "ui/main_window/do_navigate.h"
#include "ui/main_window/main_layout.h"
#include "ui/main_window/toolbar.h"
#include "ui/main_window/window_host.h"

namespace lumetta {

namespace {

constexpr char kMainCaption[] = "琉梅塔(Lumetta)";
constexpr double kDesignClientWidth = 12585;
constexpr double kDesignClientHeight = 8205;

int instances = 0;

// The 16 x 16 window icon kept beside the program; the icon theme's when it is missing.
void SetWindowIcon(Gtk::Window& window) {
  static const Glib::RefPtr<Gdk::Pixbuf> icon = [] {
    GdkPixbuf* pixbuf =
        gdk_pixbuf_new_from_file((ProgramFolder() + "/lumetta.png").c_str(), nullptr);
    return pixbuf != nullptr ? Glib::wrap(pixbuf) : Glib::RefPtr<Gdk::Pixbuf>();
  }();
  if (icon) {
    window.set_icon(icon);
  } else {
    window.set_icon_name("lumetta");
  }
}

}  // namespace

frmMain::frmMain(WindowHost& host, std::unique_ptr<BrowserControl> control)
    : BrowserOwner{std::move(control)},
      Form("frmMain", kMainCaption, kDesignClientWidth, kDesignClientHeight),
      MainControls(*browser),
      host_(host) {
  ++instances;
  SetWindowIcon(Window());
  MainControls::Build(*this, GetControls());
  MainMenus::Build(*this, GetControls());
  ConnectEvents();
}

frmMain::~frmMain() {
  // The control owns its view and destroys it itself, after the window's widgets are gone.
  // gtkmm's remove() keeps a reference to a widget it did not create, for a wrapper that never
  // gives it back: the view, and the engine's shared memory behind it, would outlive the window.
  gtk_container_remove(GTK_CONTAINER(picMainWeb.Layout().gobj()), webMain.Get().GetWidget().gobj());
  // The favorites go one by one with the menus, and there may be tens of thousands of them.
  std::vector<MenuItem*> entries;
  for (const auto& [index, entry] : mnuMainFavoriteUser) entries.push_back(entry.get());
  mnuMainFavorite.ReadyToRemove(entries);
  --instances;
}

int frmMain::InstanceCount() { return instances; }

void frmMain::ConnectEvents() {
  Connect({
      {QueryUnload, &frmMain::Unload},
      {Resize, &frmMain::FormResize},
      {Activate, &frmMain::FormActivate},
      {picMainWeb.DblClick, &frmMain::Unload},
      {mnuMainFileExit.Click, &frmMain::Unload},
      {webMain->WindowClosing, &frmMain::webMain_WindowClosing},
      {webMain->FullScreenChanged, &frmMain::webMain_FullScreenChanged},
      {imgToolBar, &ImageButton::Click, imgToolBar_Click},
      {txtURL.UserInput, &frmMain::AddressBoxInUse},
      {txtSearch.UserInput, &frmMain::SearchBoxInUse},
  });
}

bool frmMain::UserIsIn(const TextBox& box) const { return boxes_in_use_.contains(&box); }

void frmMain::AddressBoxInUse() { boxes_in_use_.insert(&txtURL); }

void frmMain::SearchBoxInUse() { boxes_in_use_.insert(&txtSearch); }

frmMain::ToolbarHandler frmMain::ToolbarAction(int index) const {
  const auto it = toolbar_actions_.find(index);
  return it != toolbar_actions_.end() ? it->second : nullptr;
}

bool frmMain::Load() {
  const std::weak_ptr<void> alive = Alive();
  if (!loaded_) {
    loaded_ = true;
    FormLoad();
  }
  return !alive.expired();
}

void frmMain::Show() {
  // Like any form, the window appears once its load has finished, unless the load closed it.
  if (!Load()) return;
  if (Window().get_visible()) {
    Window().present();
    return;
  }
  Window().show_all();
  RunActivate();
}

void frmMain::FormLoad() {
  Window().maximize();
  InitSettings();
  webMain->SetSilent(true);
  if (mstrURLNewWindow.empty()) mstrURLNewWindow = gstrHomePage;
  SetAutoComplete(txtURL.Entry(), kShacfUrlHistory);
  FavoritesLoad.emit();
  const std::weak_ptr<void> alive = Alive();
  if (!skip_start_page_) DoNavigate(*this, mstrURLNewWindow);
  if (alive.expired()) return;
  ApplySkin(*this);
}

void frmMain::FormActivate() { webMain->GrabFocus(); }

// A page may close only a window that a page's own request opened, as browsers allow.
void frmMain::webMain_WindowClosing() {
  if (skip_start_page_) Unload();
}

// The menu bar, the toolbar strip and the frame around the page go while the page is full
// screen; the layout of the window's size brings them back as they were.
void frmMain::webMain_FullScreenChanged(bool full_screen) {
  full_screen_ = full_screen;
  ShowMenuBar(!full_screen);
  picMainToolBar.SetVisible(!full_screen);
  FormResize();
}

void frmMain::FormResize() {
  const MainLayoutControls layout{picMainToolBar,
                                  picBar1,
                                  picBar2,
                                  imgToolBar(kToolBack),
                                  imgToolBar(kToolForward),
                                  imgToolBar(kToolStop),
                                  imgToolBar(kToolRefresh),
                                  txtURL,
                                  picMainWeb,
                                  webMain};
  if (full_screen_) {
    LayOutFullScreen(layout, ScaleWidth(), ScaleHeight());
  } else {
    LayOutMainWindow(layout, ScaleWidth(), ScaleHeight());
  }
}

void frmMain::Unload() { host_.Unload(*this); }

void frmMain::DoAddNewWindow(const std::string& url) { AddNewMainWindow(host_, url); }

void AddNewMainWindow(WindowHost& host, const std::string& url) {
  frmMain& window = host.CreateMainWindow();
  window.mstrURLNewWindow = url;
  const std::weak_ptr<void> alive = window.Alive();
  window.Show();
  if (!alive.expired()) window.txtURL.SetFocus();
}

}  // namespace lumetta
