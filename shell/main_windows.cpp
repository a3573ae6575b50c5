#include "shell/main_windows.h"

#include <algorithm>

#include "app/do_events.h"
#include "shell/window_wiring.h"
#include "ui/main_window/frm_main.h"

namespace lumetta {

MainWindows::MainWindows(BrowserControlFactory& factory, Glib::RefPtr<Gtk::Application> application)
    : factory_(factory), application_(std::move(application)) {}

MainWindows::~MainWindows() {
  CancelAfterYields(&MainWindows::DestroyClosed, this);
  for (auto& window : open_) window->Detach();
  if (open_dialog_) open_dialog_->Detach();
  closed_.clear();
  open_.clear();
  closed_dialogs_.clear();
  open_dialog_.reset();
}

frmMain& MainWindows::CreateMainWindow() { return CreateMainWindow(factory_.Create()); }

frmMain& MainWindows::CreateMainWindow(std::unique_ptr<BrowserControl> control) {
  open_.push_back(std::make_unique<frmMain>(*this, std::move(control)));
  frmMain& window = *open_.back();
  ConnectSubsystems(window);
  if (!created_any_) default_window_ = &window;
  created_any_ = true;
  if (application_) application_->add_window(window.Window());
  return window;
}

void MainWindows::Unload(frmMain& window) {
  const auto it = std::find_if(open_.begin(), open_.end(),
                               [&window](const auto& open) { return open.get() == &window; });
  if (it == open_.end()) return;
  if (default_window_ == &window) default_window_ = nullptr;
  window.Detach();
  if (application_) application_->remove_window(window.Window());
  closed_.push_back(std::move(*it));
  open_.erase(it);
  // Handlers of the window may still be running further up the stack (a click that closed it,
  // a navigation that yielded); it is destroyed once they have returned.
  RunAfterYields(&MainWindows::DestroyClosed, this);
}

frmMain* MainWindows::DefaultWindow() {
  if (default_window_ != nullptr) return default_window_;
  return open_.empty() ? nullptr : open_.front().get();
}

void MainWindows::ShowOpenDialog() {
  if (!open_dialog_) {
    open_dialog_ = std::make_unique<frmOpen>(*this);
    if (application_) application_->add_window(open_dialog_->Window());
  }
  open_dialog_->Show();
}

void MainWindows::UnloadOpenDialog() {
  if (!open_dialog_) return;
  open_dialog_->Detach();
  if (application_) application_->remove_window(open_dialog_->Window());
  closed_dialogs_.push_back(std::move(open_dialog_));
  RunAfterYields(&MainWindows::DestroyClosed, this);
}

void MainWindows::DestroyClosed(void* self) {
  auto* windows = static_cast<MainWindows*>(self);
  windows->closed_.clear();
  windows->closed_dialogs_.clear();
}

}  // namespace lumetta
