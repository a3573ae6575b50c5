// lumetta-options: the browser's Internet Options panel, a program of its own.
#include <glibmm/miscutils.h>
#include <gtkmm/application.h>

#include <memory>

#include "options/options_window.h"
#include "platform/hive_registry.h"
#include "platform/message_box.h"
#include "platform/platform.h"
#include "platform/program_folder.h"

int main(int, char** argv) {
  using namespace lumetta;
  Glib::set_prgname("lumetta-options");
  Glib::set_application_name("Internet 选项");
  // One panel per user: starting it again brings the open one to the front.
  auto application = Gtk::Application::create("net.lumetta.Options");

  auto registry = HiveRegistry::ForThisUser();
  ThePlatform().registry = registry.get();
  GtkMessageBox message_box;
  ThePlatform().message_box = &message_box;

  std::unique_ptr<OptionsWindow> window;
  application->signal_activate().connect([&] {
    if (!window) {
      window =
          std::make_unique<OptionsWindow>(registry->UserHivePath(), ProgramFolder() + "/lumetta");
      application->add_window(*window);
    }
    window->present();
  });
  char* program_only[] = {argv[0], nullptr};
  return application->run(1, program_only);
}
