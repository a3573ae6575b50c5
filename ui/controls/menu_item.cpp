#include "ui/controls/menu_item.h"

#include <gtkmm/checkmenuitem.h>
#include <gtkmm/separatormenuitem.h>

#include "ui/controls/item_windows.h"
#include "ui/controls/submenu_item.h"
#include "ui/controls/text_menu_item.h"

namespace lumetta {

std::string MnemonicLabel(const std::string& caption) {
  std::string label;
  label.reserve(caption.size() + 2);
  for (size_t i = 0; i < caption.size(); ++i) {
    const char c = caption[i];
    if (c == '&') {
      if (i + 1 < caption.size() && caption[i + 1] == '&') {
        label += '&';
        ++i;
      } else if (i + 1 < caption.size()) {
        label += '_';
      }
    } else if (c == '_') {
      label += "__";
    } else {
      label += c;
    }
  }
  return label;
}

MenuItem::MenuItem(std::string name, const std::string& caption, MenuKind kind, int index)
    : Control(std::move(name), "Menu", index), kind_(kind) {
  separator_ = caption == "-";
  if (separator_) {
    item_ = std::make_unique<Gtk::SeparatorMenuItem>();
  } else if (kind == MenuKind::kCheck) {
    item_ = std::make_unique<Gtk::CheckMenuItem>();
  } else if (kind == MenuKind::kEntry) {
    item_ = std::make_unique<TextMenuItem>();
  } else if (kind == MenuKind::kSubmenu) {
    item_ = std::make_unique<SubmenuItem>();
  } else {
    item_ = std::make_unique<Gtk::MenuItem>();
  }
  // A separator must get no label: setting the underline flag would give it one, and with it the
  // height of an item. An entry has no access key, and the flag would give it a label widget.
  if (!separator_ && kind != MenuKind::kEntry) item_->set_use_underline(true);
  item_->signal_activate().connect(sigc::mem_fun(*this, &MenuItem::OnActivate));
  SetCaption(caption);
  ApplyAll();
}

void MenuItem::ApplyCaption() {
  if (separator_) return;
  if (kind_ != MenuKind::kEntry) {
    item_->set_label(MnemonicLabel(Caption()));
    return;
  }
  std::string label = Caption();
  for (char& c : label) {
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = ' ';
  }
  item_->set_label(label);
}

void MenuItem::SetChecked(bool checked) {
  checked_ = checked;
  if (auto* check = dynamic_cast<Gtk::CheckMenuItem*>(item_.get())) {
    syncing_ = true;
    check->set_active(checked);
    syncing_ = false;
  }
}

void MenuItem::OnActivate() {
  if (syncing_ || kind_ == MenuKind::kSubmenu || separator_) return;
  // GTK ticks a check item on its own; the mark follows the item's state, which only the
  // item's handler changes.
  SetChecked(checked_);
  Click.emit(Index());
}

Gtk::Menu& MenuItem::MakeSubmenu() {
  if (!submenu_) {
    submenu_ = std::make_unique<Gtk::Menu>();
    item_->set_submenu(*submenu_);
    // Before the menu's own handler: what DropDown changes is in place when it shows.
    submenu_->signal_show().connect([this] { DropDown.emit(); }, false);
  }
  return *submenu_;
}

void MenuItem::Append(MenuItem& child) { MakeSubmenu().append(child.Item()); }

void MenuItem::Insert(MenuItem& child, int position) {
  MakeSubmenu().insert(child.Item(), position);
}

void MenuItem::Remove(MenuItem& child) {
  if (submenu_) submenu_->remove(child.Item());
}

void MenuItem::ReadyToRemove(const std::vector<MenuItem*>& children) {
  if (!submenu_) return;
  std::vector<GtkWidget*> items;
  items.reserve(children.size());
  for (MenuItem* child : children) items.push_back(GTK_WIDGET(child->Item().gobj()));
  ReleaseItemWindows(GTK_WIDGET(submenu_->gobj()), items);
}

void MenuItem::RestyleSubmenu() {
  // A state flag turned on and straight back off reaches every item at once and leaves the menu
  // as it was.
  if (!submenu_ || (submenu_->get_state_flags() & Gtk::STATE_FLAG_BACKDROP)) return;
  submenu_->set_state_flags(Gtk::STATE_FLAG_BACKDROP, false);
  submenu_->unset_state_flags(Gtk::STATE_FLAG_BACKDROP);
}

void MenuItem::SetShortcut(const Glib::RefPtr<Gtk::AccelGroup>& accelerators, guint key) {
  item_->add_accelerator("activate", accelerators, key, Gdk::ModifierType(0), Gtk::ACCEL_VISIBLE);
}

}  // namespace lumetta
