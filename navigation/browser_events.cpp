#include "navigation/browser_events.h"

#include <memory>
#include <vector>

#include "app/do_events.h"
#include "app/settings.h"
#include "ui/main_window/frm_main.h"
#include "ui/main_window/window_host.h"

namespace lumetta {

void webMain_BeforeNavigate2(frmMain&, const std::string& url) {
  if (url == "http:///") return;
  DoEvents();
}

void webMain_DocumentComplete(frmMain& form, const std::string& url) {
  if (url.empty()) return;
  form.txtURL.SetText(form.webMain->LocationURL());
  form.webMain->GrabFocus();
}

void webMain_TitleChange(frmMain& form, const std::string& text, TitleSource source) {
  if (source == TitleSource::kServerNotFoundPage) return;
  form.SetCaption(text + gstrTitleSuffix);
  form.webMain->GrabFocus();
}

void webMain_CommandStateChange(frmMain& form, int command, bool enable) {
  if (command == kCscNavigateBack) {
    form.imgToolBar(kToolBack).SetEnabled(enable);
  } else if (command == kCscNavigateForward) {
    form.imgToolBar(kToolForward).SetEnabled(enable);
  }
}

namespace {

// A window made for a page's request appears when the engine has its page ready; its first
// completed document is the latest moment, should the engine not say so.
void ShowWhenPageReady(frmMain& form) {
  auto once = std::make_shared<std::vector<sigc::connection>>();
  auto show = [&form, once] {
    for (sigc::connection& connection : *once) connection.disconnect();
    form.Show();
  };
  once->push_back(form.webMain->ReadyToShow.connect(show));
  once->push_back(form.webMain->DocumentComplete.connect(sigc::hide(show)));
  for (const sigc::connection& connection : *once) form.Track(connection);
}

}  // namespace

BrowserControl* webMain_NewWindow2(frmMain& form) {
  std::unique_ptr<BrowserControl> control = form.webMain->CreateRelated();
  BrowserControl* requested = control.get();
  frmMain& window = form.Host().CreateMainWindow(std::move(control));
  // The page's own address arrives through the control handed back; a start page loaded first
  // would race with it and could replace it.
  window.SkipStartPage();
  if (!window.Load()) return nullptr;
  ShowWhenPageReady(window);
  return requested;
}

void ConnectBrowserEvents(frmMain& form) {
  BrowserControl& control = form.webMain.Get();
  form.Track(control.BeforeNavigate2.connect(
      [&form](const std::string& url) { webMain_BeforeNavigate2(form, url); }));
  form.Track(control.DocumentComplete.connect(
      [&form](const std::string& url) { webMain_DocumentComplete(form, url); }));
  form.Track(control.TitleChange.connect([&form](const std::string& text, TitleSource source) {
    webMain_TitleChange(form, text, source);
  }));
  form.Track(control.CommandStateChange.connect(
      [&form](int command, bool enable) { webMain_CommandStateChange(form, command, enable); }));
  form.Track(control.NewWindow2.connect([&form] { return webMain_NewWindow2(form); }));
}

}  // namespace lumetta
