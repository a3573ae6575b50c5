#include "ui/controls/form.h"

#include "ui/controls/menu_item.h"

namespace lumetta {

namespace {

// The program's window that was active last; activation coming back from another program does
// not count as moving between the program's windows.
const Form* active_form = nullptr;

}  // namespace

Form::Form(std::string name, const std::string& caption, double client_width,
           double client_height)
    : Control(std::move(name), "Form"), accelerators_(Gtk::AccelGroup::create()) {
  window_.add_accel_group(accelerators_);
  window_.set_default_size(TwipsToPixels(client_width), TwipsToPixels(client_height));
  box_.pack_start(menu_bar_, Gtk::PACK_SHRINK);
  box_.pack_start(client_, Gtk::PACK_EXPAND_WIDGET);
  window_.add(box_);
  client_.signal_size_allocate().connect(sigc::mem_fun(*this, &Form::OnClientAllocate));
  window_.signal_delete_event().connect([this](GdkEventAny*) {
    QueryUnload.emit();
    return true;
  });
  window_.property_is_active().signal_changed().connect([this] {
    if (window_.is_active()) RunActivate();
  });
  SetCaption(caption);
}

Form::~Form() {
  if (active_form == this) active_form = nullptr;
}

void Form::ApplyCaption() { window_.set_title(Caption()); }

void Form::AddMenu(MenuItem& top) { menu_bar_.append(top.Item()); }

void Form::RunActivate() {
  if (active_form == this) return;
  active_form = this;
  Activate.emit();
}

void Form::OnClientAllocate(Gtk::Allocation& allocation) {
  if (allocation.get_width() == client_width_ && allocation.get_height() == client_height_) return;
  client_width_ = allocation.get_width();
  client_height_ = allocation.get_height();
  Resize.emit();
}

}  // namespace lumetta
