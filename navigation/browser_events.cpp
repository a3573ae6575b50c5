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

// Neither event takes the address box's text or the keyboard focus from the user working in a
// box: a page changing its title or reloading a frame would receive the keys typed there.
void webMain_DocumentComplete(frmMain& form, const std::string& url) {
  if (url.empty()) return;
  if (!form.UserIsIn(form.txtURL)) form.txtURL.SetText(form.webMain->LocationURL());
  if (!form.UserIsInABox()) form.webMain->GrabFocus();
}

void webMain_TitleChange(frmMain& form, const std::string& text, TitleSource source) {
  if (source == TitleSource::kServerNotFoundPage) return;
  form.SetCaption(text + gstrTitleSuffix);
  if (!form.UserIsInABox()) form.webMain->GrabFocus();
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
  form.Connect({
      {form.webMain->BeforeNavigate2, webMain_BeforeNavigate2},
      {form.webMain->DocumentComplete, webMain_DocumentComplete},
      {form.webMain->TitleChange, webMain_TitleChange},
      {form.webMain->CommandStateChange, webMain_CommandStateChange},
      {form.webMain->NewWindow2, webMain_NewWindow2},
  });
}

}  // namespace lumetta
