#include "engine/page_commands/view_commands.h"

#include <glibmm/main.h>

#include "engine/dialog_parent.h"
#include "engine/page_commands/kept_selection.h"
#include "engine/printing/print_job.h"
#include "engine/printing/print_setup.h"

namespace lumetta {

namespace {

const char* EditingCommandName(EditCommand command) {
  switch (command) {
    case EditCommand::kCut:
      return WEBKIT_EDITING_COMMAND_CUT;
    case EditCommand::kCopy:
      return WEBKIT_EDITING_COMMAND_COPY;
    case EditCommand::kPaste:
      return WEBKIT_EDITING_COMMAND_PASTE;
    case EditCommand::kSelectAll:
      break;
  }
  return WEBKIT_EDITING_COMMAND_SELECT_ALL;
}

}  // namespace

ViewCommands::ViewCommands(WebKitWebView* view)
    : view_(view), save_dialog_(view), properties_dialog_(view) {
  g_signal_connect(view_, "key-press-event", G_CALLBACK(&ViewCommands::OnKeyPress), this);
  KeepSelectionsOf(view_);
}

ViewCommands::~ViewCommands() {
  g_signal_handlers_disconnect_by_data(view_, this);
  if (window_ != nullptr) {
    g_signal_handlers_disconnect_by_data(window_, this);
    g_object_remove_weak_pointer(G_OBJECT(window_), reinterpret_cast<gpointer*>(&window_));
  }
}

std::string ViewCommands::Title() const {
  const char* title = webkit_web_view_get_title(view_);
  return title != nullptr ? title : "";
}

Gtk::Window* ViewCommands::Parent() {
  Gtk::Window* parent = WindowOf(view_);
  if (parent == nullptr) return nullptr;
  GtkWidget* toplevel = GTK_WIDGET(parent->gobj());
  if (toplevel != window_) {
    if (window_ != nullptr) {
      g_signal_handlers_disconnect_by_data(window_, this);
      g_object_remove_weak_pointer(G_OBJECT(window_), reinterpret_cast<gpointer*>(&window_));
    }
    window_ = toplevel;
    g_object_add_weak_pointer(G_OBJECT(window_), reinterpret_cast<gpointer*>(&window_));
    g_signal_connect(window_, "hide", G_CALLBACK(&ViewCommands::OnWindowHidden), this);
  }
  return parent;
}

bool ViewCommands::SaveAs() {
  save_dialog_.Show(Parent());
  return true;
}

bool ViewCommands::PageSetup() {
  page_setup_dialog_.Show(Parent(), {});
  return true;
}

bool ViewCommands::Print(bool prompt) {
  if (prompt) {
    print_dialog_.Show(Parent(), Title(), [this] { PrintNow(); });
  } else {
    PrintNow();
  }
  return true;
}

void ViewCommands::PrintNow() {
  PrintPage(view_, PrintSetup::Get().PageSetup(), PrintSetup::Get().Settings(),
            sigc::mem_fun(*this, &ViewCommands::OnPrinted));
}

void ViewCommands::OnPrinted(bool printed, const std::string& error) {
  if (!printed) ReportPrintFailure(error);
}

bool ViewCommands::PrintPreview() {
  previews_.push_back(std::make_unique<PrintPreviewWindow>(view_, Parent()));
  // The window may not go while its own handler runs: it is let go from the main loop.
  previews_.back()->Closed.connect([this] {
    Glib::signal_idle().connect_once(sigc::mem_fun(*this, &ViewCommands::DiscardClosedPreviews));
  });
  return true;
}

void ViewCommands::DiscardClosedPreviews() {
  previews_.remove_if([](const auto& preview) { return !preview->get_visible(); });
}

bool ViewCommands::Properties() {
  properties_dialog_.Show(Parent());
  return true;
}

bool ViewCommands::Edit(EditCommand command) {
  if (command == EditCommand::kCopy || command == EditCommand::kCut) RestoreKeptSelection(view_);
  webkit_web_view_execute_editing_command(view_, EditingCommandName(command));
  return true;
}

void ViewCommands::ShowFind() {
  if (!find_dialog_) find_dialog_ = std::make_unique<FindDialog>(view_);
  find_dialog_->Show(Parent());
}

void ViewCommands::CloseAll() {
  save_dialog_.Close();
  page_setup_dialog_.Close();
  print_dialog_.Close();
  properties_dialog_.Close();
  if (find_dialog_) find_dialog_->Close();
  previews_.clear();
}

gboolean ViewCommands::OnKeyPress(GtkWidget*, GdkEventKey* event, gpointer data) {
  const auto modifiers = event->state & gtk_accelerator_get_default_mod_mask();
  if (modifiers != GDK_CONTROL_MASK || gdk_keyval_to_lower(event->keyval) != GDK_KEY_f) {
    return FALSE;
  }
  static_cast<ViewCommands*>(data)->ShowFind();
  return TRUE;
}

void ViewCommands::OnWindowHidden(GtkWidget*, gpointer data) {
  static_cast<ViewCommands*>(data)->CloseAll();
}

}  // namespace lumetta
