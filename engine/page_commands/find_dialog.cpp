#include "engine/page_commands/find_dialog.h"

#include <gtkmm/box.h>
#include <gtkmm/grid.h>

#include "engine/dialog_parent.h"

namespace lumetta {

namespace {

// Matches highlighted at most; beyond it the count reads "more than".
constexpr guint kMaxMatches = 1000;
constexpr int kFindNext = 1;

}  // namespace

FindDialog::FindDialog(WebKitWebView* view)
    : view_(view), finder_(webkit_web_view_get_find_controller(view)), dialog_("查找", false) {
  dialog_.set_resizable(false);
  find_next_ = dialog_.add_button("查找下一个(_F)", kFindNext);
  dialog_.add_button("取消", Gtk::RESPONSE_CANCEL);
  dialog_.set_default_response(kFindNext);

  auto* grid = Gtk::manage(new Gtk::Grid);
  grid->set_border_width(12);
  grid->set_row_spacing(8);
  grid->set_column_spacing(8);
  auto* caption = Gtk::manage(new Gtk::Label("查找内容(_N):", true));
  caption->set_mnemonic_widget(text_);
  text_.set_name("find-text");
  text_.set_activates_default(true);
  text_.set_width_chars(28);
  grid->attach(*caption, 0, 0, 1, 1);
  grid->attach(text_, 1, 0, 2, 1);
  grid->attach(match_case_, 0, 1, 2, 1);
  auto* directions = Gtk::manage(new Gtk::Box(Gtk::ORIENTATION_HORIZONTAL, 8));
  directions->set_border_width(6);
  up_.join_group(down_);
  down_.set_active(true);
  directions->pack_start(up_, Gtk::PACK_SHRINK);
  directions->pack_start(down_, Gtk::PACK_SHRINK);
  direction_.add(*directions);
  grid->attach(direction_, 2, 1, 1, 1);
  status_.set_name("find-status");
  status_.set_xalign(0);
  grid->attach(status_, 0, 2, 3, 1);
  dialog_.get_content_area()->pack_start(*grid, Gtk::PACK_EXPAND_WIDGET);
  dialog_.show_all_children();

  find_next_->set_sensitive(false);
  text_.signal_changed().connect([this] {
    find_next_->set_sensitive(!text_.get_text().empty());
    status_.set_text("");
  });
  dialog_.signal_response().connect([this](int response) {
    if (response == kFindNext) {
      FindNext();
    } else {
      Close();
    }
  });
  g_signal_connect(finder_, "found-text", G_CALLBACK(&FindDialog::OnFound), this);
  g_signal_connect(finder_, "failed-to-find-text", G_CALLBACK(&FindDialog::OnNotFound), this);
  // A new document has nothing of the old search: the next one starts afresh.
  g_signal_connect(view_, "load-changed", G_CALLBACK(&FindDialog::OnLoadChanged), this);
}

FindDialog::~FindDialog() {
  g_signal_handlers_disconnect_by_data(finder_, this);
  g_signal_handlers_disconnect_by_data(view_, this);
}

void FindDialog::Show(Gtk::Window* parent) {
  PresentOver(dialog_, parent, false);
  text_.grab_focus();
  text_.select_region(0, -1);
}

void FindDialog::Close() {
  dialog_.hide();
  if (!searched_text_.empty()) webkit_find_controller_search_finish(finder_);
  ForgetSearch();
  status_.set_text("");
}

void FindDialog::FindNext() {
  const std::string text = text_.get_text();
  if (text.empty()) return;
  const guint32 options =
      WEBKIT_FIND_OPTIONS_WRAP_AROUND |
      (match_case_.get_active() ? WEBKIT_FIND_OPTIONS_NONE : WEBKIT_FIND_OPTIONS_CASE_INSENSITIVE);
  const bool backwards = up_.get_active();
  if (text != searched_text_ || options != searched_options_) {
    searched_text_ = text;
    searched_options_ = options;
    counting_ = true;
    webkit_find_controller_search(finder_, text.c_str(),
                                  options | (backwards ? WEBKIT_FIND_OPTIONS_BACKWARDS : 0),
                                  kMaxMatches);
  } else if (backwards) {
    webkit_find_controller_search_previous(finder_);
  } else {
    webkit_find_controller_search_next(finder_);
  }
}

void FindDialog::OnFound(WebKitFindController*, guint count, gpointer data) {
  auto* self = static_cast<FindDialog*>(data);
  if (!self->counting_) return;
  self->counting_ = false;
  self->status_.set_text(count > kMaxMatches ? "超过 " + std::to_string(kMaxMatches) + " 处匹配"
                                             : "共 " + std::to_string(count) + " 处匹配");
}

void FindDialog::OnNotFound(WebKitFindController*, gpointer data) {
  auto* self = static_cast<FindDialog*>(data);
  self->counting_ = false;
  self->status_.set_text("找不到“" + self->searched_text_ + "”。");
}

void FindDialog::OnLoadChanged(WebKitWebView*, WebKitLoadEvent event, gpointer data) {
  if (event == WEBKIT_LOAD_COMMITTED) static_cast<FindDialog*>(data)->ForgetSearch();
}

}  // namespace lumetta
