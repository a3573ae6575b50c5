#include "ui/controls/form.h"

#include <gtkmm/cssprovider.h>

#include "ui/controls/menu_item.h"

namespace lumetta {

namespace {

// The program's window that was active last; activation coming back from another program does
// not count as moving between the program's windows.
const Form* active_form = nullptr;

}  // namespace

// The client area runs the form's resize before it places its children, so the geometry the
// resize sets is the one this allocation uses.
class Form::ClientArea : public Gtk::Layout {
 public:
  explicit ClientArea(Form& form) : form_(form) {}

 protected:
  void on_size_allocate(Gtk::Allocation& allocation) override {
    form_.OnClientResize(allocation.get_width(), allocation.get_height());
    Gtk::Layout::on_size_allocate(allocation);
  }
  bool on_focus(Gtk::DirectionType direction) override {
    const bool tab = direction == Gtk::DIR_TAB_FORWARD || direction == Gtk::DIR_TAB_BACKWARD;
    if (tab && !form_.tab_order_.empty()) return form_.MoveFocusInTabOrder(direction);
    return Gtk::Layout::on_focus(direction);
  }

 private:
  Form& form_;
};

Form::Form(std::string name, const std::string& caption, double client_width, double client_height)
    : Control(std::move(name), "Form"),
      client_(std::make_unique<ClientArea>(*this)),
      accelerators_(Gtk::AccelGroup::create()) {
  window_.add_accel_group(accelerators_);
  window_.set_default_size(TwipsToPixels(client_width), TwipsToPixels(client_height));
  box_.pack_start(menu_bar_, Gtk::PACK_SHRINK);
  // An empty menu bar would still take a line.
  menu_bar_.set_no_show_all(true);
  box_.pack_start(*client_, Gtk::PACK_EXPAND_WIDGET);
  window_.add(box_);
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

void Form::AddMenu(MenuItem& top) {
  menu_bar_.append(top.Item());
  menu_bar_.set_no_show_all(false);
  menu_bar_.show();
}

void Form::SetTabOrder(std::vector<Control*> order) { tab_order_ = std::move(order); }

// From the control holding the focus to the next one in the tab order that takes it; past the
// last, the window starts again from the first.
bool Form::MoveFocusInTabOrder(Gtk::DirectionType direction) {
  const int count = static_cast<int>(tab_order_.size());
  const int step = direction == Gtk::DIR_TAB_FORWARD ? 1 : -1;
  int position = step > 0 ? -1 : count;
  Gtk::Widget* focused = client_->get_focus_child();
  for (int i = 0; i < count; ++i) {
    if (tab_order_[i]->Widget() == focused) position = i;
  }
  for (position += step; position >= 0 && position < count; position += step) {
    Gtk::Widget* widget = tab_order_[position]->Widget();
    if (widget != nullptr && widget->get_visible() && widget->child_focus(direction)) return true;
  }
  return false;
}

void Form::ApplyBackColor() {
  PaintBackColor(window_, *BackColor(), window_back_color_);
  PaintBackColor(*client_, *BackColor(), client_back_color_);
}

void Form::RunActivate() {
  if (active_form == this) return;
  active_form = this;
  Activate.emit();
}

bool Form::IsActiveWindow(const Gtk::Window& window) {
  return active_form != nullptr && &active_form->window_ == &window;
}

Gtk::Layout& Form::Client() { return *client_; }

void Form::Connect(std::initializer_list<EventRow> table) {
  for (const EventRow& row : table) row.connect_(*this);
}

void EventRow::Track(Form& form, sigc::connection connection) { form.Track(connection); }

void Form::Track(sigc::connection connection) {
  // Connections of controls that are gone (favorites entries of an earlier list) are dropped
  // now and then, so rebuilding a list does not make the window grow.
  if (connections_.size() >= 2 * tracked_live_ + 64) {
    std::erase_if(connections_, [](const sigc::connection& c) { return !c.connected(); });
    tracked_live_ = connections_.size();
  }
  connections_.push_back(connection);
}

void Form::Detach() {
  alive_.reset();
  for (sigc::connection& connection : connections_) connection.disconnect();
  connections_.clear();
  Window().hide();
}

void Form::OnClientResize(int width, int height) {
  if (width == client_width_ && height == client_height_) return;
  client_width_ = width;
  client_height_ = height;
  Resize.emit();
}

}  // namespace lumetta
