#include "engine/printing/page_setup_dialog.h"

#include "engine/dialog_parent.h"
#include "engine/printing/print_setup.h"

namespace lumetta {

void PageSetupDialog::Show(Gtk::Window* parent, std::function<void()> accepted) {
  if (!dialog_) {
    dialog_ = std::make_unique<Gtk::PageSetupUnixDialog>("页面设置");
    dialog_->signal_response().connect(sigc::mem_fun(*this, &PageSetupDialog::OnResponse));
  }
  accepted_ = std::move(accepted);
  dialog_->set_page_setup(PrintSetup::Get().PageSetup());
  dialog_->set_print_settings(PrintSetup::Get().Settings());
  PresentOver(*dialog_, parent, true);
}

void PageSetupDialog::Close() {
  if (dialog_) dialog_->hide();
}

void PageSetupDialog::OnResponse(int response) {
  dialog_->hide();
  if (response != Gtk::RESPONSE_OK) return;
  PrintSetup::Get().Update(dialog_->get_page_setup(), dialog_->get_print_settings());
  if (accepted_) accepted_();
}

}  // namespace lumetta
