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

enum class EditCommand { kCut, kCopy, kPaste, kSelectAll };

// The commands of the control's own keys and mouse buttons, pressed while the page has the
// keyboard focus: back and forward, stop, print, a new window on the page, and page zoom in, out
// and back to 100%.
enum class ControlShortcut {
  kGoBack,
  kGoForward,
  kStop,
  kPrint,
  kNewWindow,
  kZoomIn,
  kZoomOut,
  kZoomReset,
};

// Whose title a title event carries: a document's, or one of the control's own pages'.
enum class TitleSource {
  kDocument,
  // The page for a server that cannot be found or reached ("找不到服务器").
  kServerNotFoundPage,
  // Any other page of the control's own: offline, certificate, other failures.
  kOwnPage,
};

// The web-browser control of a window: the members the window uses and the events it handles.
// Calls that can fail return false; callers may ignore it.
class BrowserControl {
 public:
  BrowserControl();
  virtual ~BrowserControl() = default;
  BrowserControl(const BrowserControl&) = delete;
  BrowserControl& operator=(const BrowserControl&) = delete;

  virtual Gtk::Widget& GetWidget() = 0;

  virtual bool Navigate(const std::string& url) = 0;
  virtual bool GoBack() = 0;
  virtual bool GoForward() = 0;
  virtual bool Refresh() = 0;
  virtual bool Stop() = 0;
  // Runs the script of a javascript: address in the current page, as a bookmarklet. Navigate
  // refuses such addresses: they run only when the user keeps them as favorites.
  virtual bool RunBookmarklet(const std::string& url) = 0;

  // The page commands. Each acts on the current document and may show the control's own
  // dialog over the control's window; none waits for the user.
  virtual bool SaveAs() = 0;
  virtual bool PageSetup() = 0;
  // Shows the print dialog first when `prompt`, else prints at once with the current setup.
  virtual bool Print(bool prompt) = 0;
  virtual bool PrintPreview() = 0;
  virtual bool ShowProperties() = 0;
  // Acts on the page's selection and editing field, wherever the keyboard focus is.
  virtual bool Edit(EditCommand command) = 0;
  // The text-size level of the page, 0 smallest to 4 largest, 2 the page's own size; false for
  // a level out of range, which changes nothing.
  virtual bool SetTextSize(int32_t level) = 0;
  virtual int32_t TextSize() const = 0;
  // Opens the control's find dialog when the page has the keyboard focus, as Ctrl+F typed into
  // the page does; false and nothing shown otherwise.
  virtual bool Find() = 0;

  // Runs command `command` (kOleCmdId...) through the page commands above, with `input` for
  // the text size to set; `output`, when given, gets the text size in force after a zoom
  // command. False when the control cannot do the command.
  bool ExecWB(int command, int option, std::optional<int32_t> input = std::nullopt,
              int32_t* output = nullptr);

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
  // A page asks for a new window. The handler returns the control the page is to open in (one
  // made by CreateRelated), or null to refuse the window.
  sigc::signal<BrowserControl*()> NewWindow2;
  // Raised once for every completed document, frames included, with that document's address.
  sigc::signal<void(const std::string& url)> DocumentComplete;
  sigc::signal<void(const std::string& text, TitleSource source)> TitleChange;
  // Whether there is a page to go back or forward to, raised when it changes.
  sigc::signal<void(bool enable)> CanGoBackChanged;
  sigc::signal<void(bool enable)> CanGoForwardChanged;
  // Both of the above as the control's command numbers (kCscNavigate...), raised after them.
  sigc::signal<void(int command, bool enable)> CommandStateChange;
  // A control handed back for a new-window request may now be shown.
  sigc::signal<void()> ReadyToShow;
  // The page asks to close its window (window.close()).
  sigc::signal<void()> WindowClosing;
  // The user pressed one of the control's own keys or mouse buttons in the page; the window runs
  // what its menu item for that command runs.
  sigc::signal<void(ControlShortcut shortcut)> Shortcut;
  // The user opened a link in a new window (middle-click, Ctrl+click or Shift+click); the
  // control's page stays where it is.
  sigc::signal<void(const std::string& url)> OpenLinkInNewWindow;
  // The page went full screen, or left it: while it is, the control alone fills the window.
  sigc::signal<void(bool full_screen)> FullScreenChanged;
};

// Makes the controls of main windows. The application owns the one that drives the engine;
// tests install a fake.
class BrowserControlFactory {
 public:
  virtual ~BrowserControlFactory() = default;
  virtual std::unique_ptr<BrowserControl> Create() = 0;
};

}  // namespace lumetta
