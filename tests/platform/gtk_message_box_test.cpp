#include <glib.h>
#include <gtest/gtest.h>
#include <gtkmm/button.h>
#include <gtkmm/image.h>
#include <gtkmm/messagedialog.h>

#include <memory>

#include "platform/message_box.h"

namespace lumetta {
namespace {

// What the dialog showed, noted from the main loop while it ran.
struct Seen {
  bool shown = false;
  std::string title;
  std::string text;
  Gtk::MessageType type = Gtk::MESSAGE_OTHER;
  std::string ok;
  std::string yes;
  std::string no;
  bool icon = false;
  bool modal = false;
  bool inside_nested_loop = false;
};

std::string LabelOf(Gtk::Widget* button) {
  auto* shown = dynamic_cast<Gtk::Button*>(button);
  return shown != nullptr ? std::string(shown->get_label()) : std::string();
}

// Whether an image with a named icon is mapped anywhere in `widget`.
bool HasIcon(Gtk::Widget& widget) {
  if (auto* image = dynamic_cast<Gtk::Image*>(&widget)) {
    return image->get_mapped() && !image->property_icon_name().get_value().empty();
  }
  auto* container = dynamic_cast<Gtk::Container*>(&widget);
  if (container == nullptr) return false;
  for (Gtk::Widget* child : container->get_children()) {
    if (HasIcon(*child)) return true;
  }
  return false;
}

Gtk::MessageDialog* ShownDialog() {
  for (Gtk::Window* window : Gtk::Window::list_toplevels()) {
    auto* dialog = dynamic_cast<Gtk::MessageDialog*>(window);
    if (dialog != nullptr && dialog->get_mapped()) return dialog;
  }
  return nullptr;
}

// Shows a box and answers it with `response` once it is up.
class GtkMessageBoxTest : public testing::Test {
 protected:
  int ShowAndAnswer(const std::string& prompt, int style, const std::string& title, int response) {
    response_ = response;
    const guint source = g_timeout_add(5, &GtkMessageBoxTest::Answer, this);
    const int answer = box_.Show(prompt, style, title);
    if (!seen_.shown) g_source_remove(source);
    return answer;
  }

  static gboolean Answer(gpointer data) {
    auto* self = static_cast<GtkMessageBoxTest*>(data);
    Gtk::MessageDialog* dialog = ShownDialog();
    if (dialog == nullptr) return G_SOURCE_CONTINUE;
    Seen& seen = self->seen_;
    seen.shown = true;
    seen.title = dialog->get_title();
    seen.text = dialog->property_text().get_value();
    seen.type = dialog->property_message_type().get_value();
    seen.ok = LabelOf(dialog->get_widget_for_response(Gtk::RESPONSE_OK));
    seen.yes = LabelOf(dialog->get_widget_for_response(Gtk::RESPONSE_YES));
    seen.no = LabelOf(dialog->get_widget_for_response(Gtk::RESPONSE_NO));
    seen.icon = HasIcon(*dialog);
    seen.modal = dialog->get_modal();
    seen.inside_nested_loop = self->nested_;
    dialog->response(self->response_);
    return G_SOURCE_REMOVE;
  }

  bool nested_ = false;
  int nested_loops_ = 0;
  GtkMessageBox box_{[this] {
    ++nested_loops_;
    nested_ = true;
    return std::shared_ptr<void>(nullptr, [this](void*) { nested_ = false; });
  }};
  int response_ = Gtk::RESPONSE_NONE;
  Seen seen_;
};

TEST_F(GtkMessageBoxTest, InformationBoxWithOk) {
  EXPECT_EQ(ShowAndAnswer("请输入搜索关键字!", 64, "提示", Gtk::RESPONSE_OK), kIdOk);
  ASSERT_TRUE(seen_.shown);
  EXPECT_EQ(seen_.text, "请输入搜索关键字!");
  EXPECT_EQ(seen_.title, "提示");
  EXPECT_EQ(seen_.type, Gtk::MESSAGE_INFO);
  EXPECT_EQ(seen_.ok, "确定");
  EXPECT_EQ(seen_.yes + seen_.no, "");
  EXPECT_TRUE(seen_.icon);
  EXPECT_TRUE(seen_.modal);
}

TEST_F(GtkMessageBoxTest, QuestionWithYesAndNo) {
  EXPECT_EQ(ShowAndAnswer("继续?", kMbYesNo + kMbIconQuestion, "", Gtk::RESPONSE_YES), kIdYes);
  EXPECT_EQ(seen_.type, Gtk::MESSAGE_QUESTION);
  EXPECT_EQ(seen_.yes, "是(_Y)");
  EXPECT_EQ(seen_.no, "否(_N)");
  EXPECT_EQ(seen_.ok, "");
  EXPECT_TRUE(seen_.icon);
  EXPECT_EQ(ShowAndAnswer("继续?", kMbYesNo, "", Gtk::RESPONSE_NO), kIdNo);
  EXPECT_EQ(seen_.type, Gtk::MESSAGE_OTHER);
  EXPECT_FALSE(seen_.icon);
}

TEST_F(GtkMessageBoxTest, EmptyTitleIsTheProgramsName) {
  ShowAndAnswer("a", kMbOk, "", Gtk::RESPONSE_OK);
  EXPECT_EQ(seen_.title, "琉梅塔");
  EXPECT_EQ(seen_.type, Gtk::MESSAGE_OTHER);
}

TEST_F(GtkMessageBoxTest, ClosedWithoutAButton) {
  EXPECT_EQ(ShowAndAnswer("a", kMbOk, "", Gtk::RESPONSE_DELETE_EVENT), kIdOk);
  EXPECT_EQ(ShowAndAnswer("a", kMbYesNo, "", Gtk::RESPONSE_DELETE_EVENT), kIdNo);
}

TEST_F(GtkMessageBoxTest, DialogRunsWhileTheNestedLoopGuardIsHeld) {
  ShowAndAnswer("a", kMbOk, "", Gtk::RESPONSE_OK);
  EXPECT_TRUE(seen_.inside_nested_loop);
  EXPECT_EQ(nested_loops_, 1);
  EXPECT_FALSE(nested_);
  EXPECT_EQ(ShownDialog(), nullptr);
}

}  // namespace
}  // namespace lumetta
