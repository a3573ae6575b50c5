#pragma once

#include <gtkmm/window.h>
#include <sigc++/sigc++.h>
#include <webkit2/webkit2.h>

#include <list>
#include <memory>
#include <string>

#include "app/browser_control.h"
#include "engine/page_commands/find_dialog.h"
#include "engine/page_commands/page_properties_dialog.h"
#include "engine/page_commands/save_page_dialog.h"
#include "engine/printing/page_setup_dialog.h"
#include "engine/printing/print_dialog.h"
#include "engine/printing/print_preview_window.h"

namespace lumetta {

// What a browser control does for the page commands on its view: its own save, page-setup,
// print, print-preview, properties and find dialogs, and the editing commands. The dialogs
// stand over the view's window, run no main loop of their own, and close when that window
// closes. Ctrl+F reaching the view opens the find dialog.
class ViewCommands : public sigc::trackable {
 public:
  explicit ViewCommands(WebKitWebView* view);
  ~ViewCommands();
  ViewCommands(const ViewCommands&) = delete;
  ViewCommands& operator=(const ViewCommands&) = delete;

  bool SaveAs();
  bool PageSetup();
  // Shows the print dialog first when `prompt`, else prints with the current setup.
  bool Print(bool prompt);
  bool PrintPreview();
  bool Properties();
  // Runs `command` on the page, wherever the focus is; Copy and Cut act on the page's selection
  // even after the address box has taken the primary selection.
  bool Edit(EditCommand command);
  void ShowFind();

 private:
  // The view's window, watched from now on so that the dialogs close with it; null when the
  // view is in no window.
  Gtk::Window* Parent();
  std::string Title() const;
  void CloseAll();
  void PrintNow();
  void OnPrinted(bool printed, const std::string& error);
  void DiscardClosedPreviews();
  static gboolean OnKeyPress(GtkWidget*, GdkEventKey* event, gpointer self);
  static void OnWindowHidden(GtkWidget*, gpointer self);

  WebKitWebView* view_;
  // The window watched, while it exists.
  GtkWidget* window_ = nullptr;
  SavePageDialog save_dialog_;
  PageSetupDialog page_setup_dialog_;
  PrintDialog print_dialog_;
  PagePropertiesDialog properties_dialog_;
  // Made at its first use: most windows never search, and its widgets would slow every window's
  // start.
  std::unique_ptr<FindDialog> find_dialog_;
  std::list<std::unique_ptr<PrintPreviewWindow>> previews_;
};

}  // namespace lumetta
