#include "ui/open_dialog/frm_open.h"

#include <glibmm/convert.h>
#include <glibmm/main.h>
#include <gtest/gtest.h>
#include <gtkmm/application.h>
#include <gtkmm/filechooserdialog.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/file_dialog.h"
#include "platform/program_folder.h"
#include "platform/url_history.h"
#include "tests/support/redirected_skins.h"
#include "tests/support/temp_dir.h"
#include "tests/support/wait.h"
#include "tests/support/window_test.h"
#include "ui/main_window/apply_skin.h"

namespace lumetta {
namespace {

using Calls = std::vector<std::string>;

// Main windows around fake controls, the real file dialog, and a skin file of the test's own.
class OpenDialogTest : public test::WindowTest {
 protected:
  OpenDialogTest() {
    ThePlatform().file_dialog = &file_dialog_;
    ThePlatform().url_history = &history_;
  }
  ~OpenDialogTest() override {
    ThePlatform().file_dialog = nullptr;
    ThePlatform().url_history = nullptr;
  }

  // File > Open in `form`.
  frmOpen& ShowDialog(frmMain& form) {
    form.mnuMainFileOpen.PerformClick();
    EXPECT_NE(windows_.OpenDialog(), nullptr);
    return *windows_.OpenDialog();
  }
  static void Confirm(frmOpen& dialog, const std::string& text) {
    dialog.txtURL.SetText(text);
    dialog.cmdConfirm.PerformClick();
  }
  // The addresses the windows made since `first` navigated to.
  std::vector<Calls> NewWindowNavigations(size_t first) const {
    std::vector<Calls> navigations;
    for (size_t i = first; i < factory_.made.size(); ++i) {
      navigations.push_back(factory_.made[i]->Navigations());
    }
    return navigations;
  }
  // A key pressed in the window, as the keyboard sends it: key bindings go by the key's code.
  static void PressKey(Gtk::Window& window, guint key) {
    GdkKeymapKey* keys = nullptr;
    gint count = 0;
    gdk_keymap_get_entries_for_keyval(gdk_keymap_get_for_display(gdk_display_get_default()), key,
                                      &keys, &count);
    GdkEvent* event = gdk_event_new(GDK_KEY_PRESS);
    event->key.window = GDK_WINDOW(g_object_ref(window.get_window()->gobj()));
    event->key.keyval = key;
    if (count > 0) event->key.hardware_keycode = static_cast<guint16>(keys[0].keycode);
    g_free(keys);
    gdk_event_set_device(
        event, gdk_seat_get_keyboard(gdk_display_get_default_seat(gdk_display_get_default())));
    gtk_widget_event(GTK_WIDGET(window.gobj()), event);
    gdk_event_free(event);
  }

  test::TempDir skin_folder_;
  test::RedirectedSkins skins_{skin_folder_.Path()};
  GtkFileDialog file_dialog_;
  FileUrlHistory history_{skin_folder_.Path() + "/history"};
};

TEST_F(OpenDialogTest, DesignFocusKeysAndSkin) {
  skin_folder_.Write(kSkinFileName, "label { color: #a00000; }");
  frmMain& form = OpenWindow();
  frmOpen& dialog = ShowDialog(form);
  Gtk::Window& window = dialog.Window();
  EXPECT_EQ(window.get_title(), "打开");
  EXPECT_FALSE(window.get_resizable());
  EXPECT_EQ(window.property_window_position().get_value(), Gtk::WIN_POS_CENTER);
  EXPECT_EQ(window.get_transient_for(), nullptr);
  int width = 0;
  int height = 0;
  dialog.Client().get_size_request(width, height);
  EXPECT_EQ(width, 353);
  EXPECT_EQ(height, 116);
  EXPECT_EQ(dialog.SkinLabel1.Label().get_text(),
            "键入文档或者文件夹的Internet地址，Corvane将为您打开它：");
  EXPECT_EQ(dialog.SkinLabel2.Label().get_text(), "打开:");
  EXPECT_EQ(dialog.cmdConfirm.Button().get_label(), "确定");
  EXPECT_EQ(dialog.cmdCancel.Button().get_label(), "取消");
  EXPECT_EQ(dialog.cmdOpen.Button().get_label(), "浏览(_R)...");
  // Each button's caption fits the button's design width: none overflows its neighbour or the
  // window's edge.
  for (CommandButton* button : {&dialog.cmdConfirm, &dialog.cmdCancel, &dialog.cmdOpen}) {
    int minimum = 0;
    int natural = 0;
    button->Button().get_preferred_width(minimum, natural);
    EXPECT_LE(minimum, TwipsToPixels(button->Width())) << button->Name();
  }
  EXPECT_TRUE(dialog.txtURL.Entry().get_completion());

  // Skinned by the default main window, with the panel colour behind.
  EXPECT_EQ(skins_.loads.size(), 2u);
  EXPECT_EQ(dialog.SkinLabel2.Label().get_style_context()->get_color().to_string(), "rgb(160,0,0)");
  EXPECT_EQ(dialog.BackColor(), kPanelColor);

  // Browse first, then the tab order; no default or cancel button.
  EXPECT_EQ(window.get_focus(), &dialog.cmdOpen.Button());
  std::vector<Gtk::Widget*> order;
  for (int i = 0; i < 4; ++i) {
    PressKey(window, GDK_KEY_Tab);
    order.push_back(window.get_focus());
  }
  EXPECT_EQ(order,
            (std::vector<Gtk::Widget*>{&dialog.cmdCancel.Button(), &dialog.cmdConfirm.Button(),
                                       &dialog.txtURL.Entry(), &dialog.cmdOpen.Button()}));
  dialog.txtURL.SetText("http://a.example/");
  dialog.txtURL.SetFocus();
  PressKey(window, GDK_KEY_Return);
  PressKey(window, GDK_KEY_Escape);
  EXPECT_EQ(windows_.OpenDialog(), &dialog);
  EXPECT_EQ(windows_.OpenCount(), 1u);
}

struct ConfirmCase {
  const char* name;
  std::string text;
  std::string opened;  // "" for no new window
};

class ConfirmTest : public OpenDialogTest, public testing::WithParamInterface<ConfirmCase> {};

TEST_P(ConfirmTest, OpensTheTrimmedTextInOneNewWindowAndCloses) {
  frmMain& form = OpenWindow();
  frmOpen& dialog = ShowDialog(form);
  const size_t made = factory_.made.size();
  Confirm(dialog, GetParam().text);
  EXPECT_EQ(windows_.OpenDialog(), nullptr);
  EXPECT_TRUE(Fake(form).calls.empty());
  const std::vector<Calls> expected =
      GetParam().opened.empty() ? std::vector<Calls>{} : std::vector<Calls>{{GetParam().opened}};
  EXPECT_EQ(NewWindowNavigations(made), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ConfirmTest,
    testing::Values(ConfirmCase{"Address", "  http://a.example/  ", "http://a.example/"},
                    ConfirmCase{"Empty", "", ""}, ConfirmCase{"Blanks", "     ", ""},
                    ConfirmCase{"PathWithSpaces", " /tmp/我的 文件.html ", "/tmp/我的 文件.html"},
                    ConfirmCase{"OnlyBlanksAreTrimmed", "\t百度\t", "\t百度\t"},
                    ConfirmCase{"TwoThousandCharacters",
                                std::string(1000, 'a') + "网址" + std::string(998, 'b'),
                                std::string(1000, 'a') + "网址" + std::string(998, 'b')}),
    [](const testing::TestParamInfo<ConfirmCase>& info) { return std::string(info.param.name); });

TEST_F(OpenDialogTest, SecondClickWhileTheFirstOpensItsWindowOpensNothingMore) {
  frmMain& form = OpenWindow();
  frmOpen& dialog = ShowDialog(form);
  const size_t made = factory_.made.size();
  // Arrives while the new window's load yields.
  Glib::signal_idle().connect_once([&dialog] { dialog.cmdConfirm.PerformClick(); });
  Confirm(dialog, "http://once.example/");
  EXPECT_EQ(NewWindowNavigations(made), std::vector<Calls>{{"http://once.example/"}});
  EXPECT_EQ(windows_.OpenDialog(), nullptr);
}

TEST_F(OpenDialogTest, ServedByAnotherWindowOrNoneOnceTheDefaultHasClosed) {
  frmMain& first = OpenWindow();
  frmMain& second = OpenWindow();
  first.Unload();
  Confirm(ShowDialog(second), "http://second.example/");
  EXPECT_EQ(windows_.OpenCount(), 2u);
  EXPECT_TRUE(Fake(second).calls.empty());

  frmOpen& dialog = ShowDialog(second);
  second.Unload();
  windows_.OpenWindow(0).Unload();
  ASSERT_EQ(windows_.OpenCount(), 0u);
  const size_t made = factory_.made.size();
  Confirm(dialog, "http://none.example/");
  EXPECT_EQ(windows_.OpenCount(), 1u);
  EXPECT_EQ(NewWindowNavigations(made), std::vector<Calls>{{"http://none.example/"}});
}

TEST_F(OpenDialogTest, FileOpenShowsOneDialogAndAFreshOneAfterClosing) {
  frmMain& form = OpenWindow();
  frmOpen& dialog = ShowDialog(form);
  dialog.txtURL.SetText("http://typed.example/");
  for (int i = 0; i < 20; ++i) EXPECT_EQ(&ShowDialog(form), &dialog);
  int shown = 0;
  for (Gtk::Window* window : Gtk::Window::list_toplevels()) {
    if (window->get_visible() && window->get_title() == "打开") ++shown;
  }
  EXPECT_EQ(shown, 1);
  dialog.cmdCancel.PerformClick();
  EXPECT_EQ(windows_.OpenDialog(), nullptr);
  EXPECT_EQ(ShowDialog(form).txtURL.Text(), "");
  // The close box closes it as Cancel does.
  windows_.OpenDialog()->QueryUnload.emit();
  EXPECT_EQ(windows_.OpenDialog(), nullptr);
  EXPECT_EQ(windows_.OpenCount(), 1u);
}

// Answers the file dialog once it is up: chooses `choose`, or cancels when that is empty or
// when the dialog does not take the choice, and notes what the dialog showed.
struct FileDialogScript {
  std::string choose;
  std::string title;
  std::string folder;
  std::string filter;
  bool chose = false;
  bool finished = false;
  int ticks = 0;

  static gboolean Step(gpointer data) {
    auto* script = static_cast<FileDialogScript*>(data);
    Gtk::FileChooserDialog* dialog = nullptr;
    for (Gtk::Window* window : Gtk::Window::list_toplevels()) {
      if (window->get_visible()) dialog = dynamic_cast<Gtk::FileChooserDialog*>(window);
      if (dialog != nullptr) break;
    }
    if (dialog == nullptr) return G_SOURCE_CONTINUE;
    const bool give_up = ++script->ticks > 250;
    // The dialog names its folder once it has started listing it.
    if (script->folder.empty()) {
      script->folder = dialog->get_current_folder();
      if (script->folder.empty() && !give_up) return G_SOURCE_CONTINUE;
      script->title = dialog->get_title();
      script->filter = dialog->get_filter() ? dialog->get_filter()->get_name() : "";
      if (!script->choose.empty()) dialog->set_filename(script->choose);
    }
    // Still up after the choice: the dialog did not take it (a folder opens instead).
    if (script->choose.empty() || script->chose || give_up) {
      dialog->response(Gtk::RESPONSE_CANCEL);
      script->finished = true;
      return G_SOURCE_REMOVE;
    }
    // It selects the file once it has listed the file's folder.
    if (dialog->get_filename() == script->choose) {
      script->chose = true;
      dialog->response(Gtk::RESPONSE_ACCEPT);
    }
    return G_SOURCE_CONTINUE;
  }
};

// A file below `folder` whose full path is `length` characters long, most of them Chinese.
std::string FileWithPathLength(const test::TempDir& folder, size_t length) {
  std::string path = folder.Path();
  size_t characters = g_utf8_strlen(path.c_str(), -1);
  while (length - characters > 70) {
    path += "/" + [] {
      std::string name;
      for (int i = 0; i < 60; ++i) name += "长";
      return name;
    }();
    characters += 61;
  }
  const size_t rest = length - characters - 1;
  return folder.Write(
      path.substr(folder.Path().size() + 1) + "/" + std::string(rest - 5, 'x') + ".html",
      "<p>长</p>");
}

struct BrowseCase {
  const char* name;
  // The file to choose below a fresh folder, and whether the box takes it; "" cancels.
  std::string (*file)(const test::TempDir& folder);
  enum Result { kUnchanged, kPath, kFileUrl } result;
};

class BrowseTest : public OpenDialogTest, public testing::WithParamInterface<BrowseCase> {};

TEST_P(BrowseTest, ChosenFileGoesIntoTheBoxAndNothingOpens) {
  test::TempDir folder;
  FileDialogScript script;
  script.choose = GetParam().file(folder);
  frmMain& form = OpenWindow();
  frmOpen& dialog = ShowDialog(form);
  dialog.txtURL.SetText("原来的文本");
  const size_t made = factory_.made.size();
  const guint source = g_timeout_add(20, &FileDialogScript::Step, &script);
  dialog.cmdOpen.PerformClick();
  if (!script.finished) g_source_remove(source);

  EXPECT_EQ(script.title, "打开文件");
  EXPECT_EQ(script.folder, ProgramFolder());
  EXPECT_EQ(script.filter, "所有文件");
  switch (GetParam().result) {
    case BrowseCase::kUnchanged:
      EXPECT_EQ(dialog.txtURL.Text(), "原来的文本");
      break;
    case BrowseCase::kPath:
      EXPECT_EQ(dialog.txtURL.Text(), script.choose);
      break;
    case BrowseCase::kFileUrl:
      EXPECT_EQ(dialog.txtURL.Text(), Glib::filename_to_uri(script.choose));
      break;
  }
  EXPECT_EQ(factory_.made.size(), made);
  EXPECT_EQ(windows_.OpenDialog(), &dialog);
}

INSTANTIATE_TEST_SUITE_P(
    Choices, BrowseTest,
    testing::Values(
        BrowseCase{"Cancelled", [](const test::TempDir&) { return std::string(); },
                   BrowseCase::kUnchanged},
        BrowseCase{"ChineseNameWithSpaces",
                   [](const test::TempDir& d) { return d.Write("我的 报告.html", "<p>报告</p>"); },
                   BrowseCase::kPath},
        BrowseCase{"NameNotInUtf8",
                   [](const test::TempDir& d) { return d.Write("\xb1\xa8\xb8\xe6.html", "x"); },
                   BrowseCase::kFileUrl},
        BrowseCase{"Folder",
                   [](const test::TempDir& d) {
                     d.Write("文件夹/a.html", "x");
                     return d.Path() + "/文件夹";
                   },
                   BrowseCase::kUnchanged},
        BrowseCase{"PathOf254Characters",
                   [](const test::TempDir& d) { return FileWithPathLength(d, 254); },
                   BrowseCase::kPath},
        BrowseCase{"PathOf255Characters",
                   [](const test::TempDir& d) { return FileWithPathLength(d, 255); },
                   BrowseCase::kUnchanged}),
    [](const testing::TestParamInfo<BrowseCase>& info) { return std::string(info.param.name); });

TEST(OpenDialogLifetimeTest, ProcessLivesWhileOnlyTheDialogIsOpen) {
  auto application =
      Gtk::Application::create("net.lumetta.OpenDialogTest", Gio::APPLICATION_NON_UNIQUE);
  test::FakeControlFactory factory;
  std::unique_ptr<MainWindows> windows;
  bool lived_on = false;
  application->signal_activate().connect([&] {
    windows = std::make_unique<MainWindows>(factory, application);
    frmMain& form = windows->CreateMainWindow();
    form.Show();
    form.mnuMainFileOpen.PerformClick();
    form.Unload();
    Glib::signal_timeout().connect_once(
        [&] {
          frmOpen* dialog = windows->OpenDialog();
          lived_on = windows->OpenCount() == 0 && dialog != nullptr;
          if (dialog != nullptr) dialog->cmdCancel.PerformClick();
        },
        200);
  });
  // Ends the test should the application not end with its last window.
  auto stop = Glib::signal_timeout().connect_seconds(
      [&] {
        ADD_FAILURE() << "the application outlived its windows";
        application->quit();
        return false;
      },
      10);
  application->run(0, nullptr);
  stop.disconnect();
  EXPECT_TRUE(lived_on);
  windows.reset();
}

}  // namespace
}  // namespace lumetta
