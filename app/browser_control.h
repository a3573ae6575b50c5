#pragma once

#include <gtkmm/widget.h>
#include <sigc++/sigc++.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "app/status.h"

namespace lumetta {

// Command numbers carried by CommandStateChange.
inline constexpr int kCscNavigateForward = 1;
inline constexpr int kCscNavigateBack = 2;

// Commands of ExecWB (OLECMDID) and how to run them (OLECMDEXECOPT).
inline constexpr int kOleCmdIdSaveAs = 4;
inline constexpr int kOleCmdIdPrint = 6;
inline constexpr int kOleCmdIdPrintPreview = 7;
inline constexpr int kOleCmdIdPageSetup = 8;
inline constexpr int kOleCmdIdProperties = 10;
inline constexpr int kOleCmdIdCut = 11;
inline constexpr int kOleCmdIdCopy = 12;
inline constexpr int kOleCmdIdPaste = 13;
inline constexpr int kOleCmdIdSelectAll = 17;
inline constexpr int kOleCmdIdZoom = 19;
inline constexpr int kOleCmdExecOptDoDefault = 0;
inline constexpr int kOleCmdExecOptDontPromptUser = 2;

// Title of the control's own page for a server that cannot be reached.
inline constexpr const char* kServerNotFoundTitle = "找不到服务器";

// The web-browser control of a window: the members the window uses and the events it handles.
// Calls that can fail return false; callers may ignore it.
class BrowserControl {
 public:
  virtual ~BrowserControl() = default;

  virtual Gtk::Widget& GetWidget() = 0;

  virtual bool Navigate(const std::string& url) = 0;
  virtual bool GoBack() = 0;
  virtual bool GoForward() = 0;
  virtual bool Refresh() = 0;
  virtual bool Stop() = 0;
  // Runs the script of a javascript: address in the current page, as a bookmarklet. Navigate
  // refuses such addresses: they run only when the user keeps them as favorites.
  virtual bool RunBookmarklet(const std::string& url) = 0;
  // Runs command `command` (kOleCmdId...) on the current document, with `input` where the
  // command takes an argument; it may show the control's own dialog. Nothing is written to
  // `output` by the commands the program uses. False when the control cannot do the command.
  virtual bool ExecWB(int command, int option, std::optional<int32_t> input = std::nullopt,
                      int32_t* output = nullptr) = 0;

  virtual void SetRegisterAsBrowser(bool value) = 0;
  virtual bool RegisterAsBrowser() const = 0;
  virtual void SetSilent(bool value) = 0;
  virtual bool Silent() const = 0;
  virtual void SetOffline(bool value) = 0;
  virtual bool Offline() const = 0;

  // Title and top-level address of the current page.
  virtual std::string LocationName() const = 0;
  virtual std::string LocationURL() const = 0;

  virtual void GrabFocus() = 0;

  // The current document, written and read by script in the page's process. Each call waits
  // for the page with a time limit and runs the main loop meanwhile, like DoEvents: any window
  // may close during it. A failure (no document, no such element, a page that does not answer
  // in time, the same call still waiting further up) gives its number and description.
  // Replaces the inline style of the document's body element with `css_text`.
  virtual Status SetBodyStyleCssText(const std::string& css_text) = 0;
  // The markup inside the document's root element (documentElement.innerHTML).
  virtual Status GetDocumentElementInnerHTML(std::string& markup) = 0;

  // A new control that a page's new-window request can open into. Only valid while a
  // NewWindow2 handler runs; elsewhere it gives a free-standing control.
  virtual std::unique_ptr<BrowserControl> CreateRelated() = 0;

  // Raised before each navigation, top level and frames alike.
  sigc::signal<void(const std::string& url)> BeforeNavigate2;
  // A page asks for a new window. The handler sets `new_control` to the control the page is to
  // open in (one made by CreateRelated); leaving it null refuses the window.
  sigc::signal<void(BrowserControl*& new_control)> NewWindow2;
  // Raised once for every completed document, frames included, with that document's address.
  sigc::signal<void(const std::string& url)> DocumentComplete;
  sigc::signal<void(const std::string& text)> TitleChange;
  sigc::signal<void(int command, bool enable)> CommandStateChange;
  // A control handed back for a new-window request may now be shown.
  sigc::signal<void()> ReadyToShow;
  // The page asks to close its window (window.close()).
  sigc::signal<void()> WindowClosing;
};

// Makes the controls of main windows. The application owns the one that drives the engine;
// tests install a fake.
class BrowserControlFactory {
 public:
  virtual ~BrowserControlFactory() = default;
  virtual std::unique_ptr<BrowserControl> Create() = 0;
};

}  // namespace lumetta
