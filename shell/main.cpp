// lumetta: hands its command line to the browser that runs in the desktop session and ends,
// or, when none runs, becomes the browser (lumetta-browser, beside this program). Handing over
// takes GIO alone, so a further launch never loads GTK and WebKit.
#include <gio/gio.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "shell/application_id.h"

namespace {

constexpr char kBrowser[] = "lumetta-browser";
constexpr int kNameQueryTimeoutMs = 5000;

// A GApplication that hands the command line over as the browser's GtkApplication would:
// with the launch's startup notification, so that the desktop gives the new window the focus.
struct Launcher {
  GApplication parent_instance;
};
struct LauncherClass {
  GApplicationClass parent_class;
};
G_DEFINE_TYPE(Launcher, launcher, G_TYPE_APPLICATION)

void launcher_add_platform_data(GApplication* application, GVariantBuilder* builder) {
  G_APPLICATION_CLASS(launcher_parent_class)->add_platform_data(application, builder);
  const char* startup_id = g_getenv("DESKTOP_STARTUP_ID");
  if (startup_id != nullptr && g_utf8_validate(startup_id, -1, nullptr)) {
    g_variant_builder_add(builder, "{sv}", "desktop-startup-id", g_variant_new_string(startup_id));
  }
}

void launcher_class_init(LauncherClass* launcher_class) {
  G_APPLICATION_CLASS(launcher_class)->add_platform_data = &launcher_add_platform_data;
}

void launcher_init(Launcher*) {}

bool BrowserRuns(GDBusConnection* bus) {
  GVariant* reply = g_dbus_connection_call_sync(
      bus, "org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus", "NameHasOwner",
      g_variant_new("(s)", lumetta::kApplicationId), G_VARIANT_TYPE("(b)"), G_DBUS_CALL_FLAGS_NONE,
      kNameQueryTimeoutMs, nullptr, nullptr);
  if (reply == nullptr) return false;
  gboolean owned = FALSE;
  g_variant_get(reply, "(b)", &owned);
  g_variant_unref(reply);
  return owned != FALSE;
}

// Hands the command line to the browser that runs; false when none does, or when it ended
// before it could take it.
bool HandOver(int argc, char** argv, int& status) {
  GDBusConnection* bus = g_bus_get_sync(G_BUS_TYPE_SESSION, nullptr, nullptr);
  if (bus == nullptr) return false;
  const bool runs = BrowserRuns(bus);
  g_object_unref(bus);
  if (!runs) return false;
  auto* application = static_cast<GApplication*>(
      g_object_new(launcher_get_type(), "application-id", lumetta::kApplicationId, "flags",
                   G_APPLICATION_HANDLES_COMMAND_LINE, nullptr));
  // Called only when this process has become the application itself: the browser is gone.
  bool alone = false;
  g_signal_connect(application, "command-line",
                   G_CALLBACK(+[](GApplication*, GApplicationCommandLine*, gpointer data) {
                     *static_cast<bool*>(data) = true;
                     return 0;
                   }),
                   &alone);
  status = g_application_run(application, argc, argv);
  g_object_unref(application);
  return !alone;
}

std::string ProgramFolder() {
  gchar* program = g_file_read_link("/proc/self/exe", nullptr);
  gchar* folder = g_path_get_dirname(program != nullptr ? program : ".");
  std::string result(folder);
  g_free(folder);
  g_free(program);
  return result;
}

int RunBrowser(char** argv) {
  const std::string browser = ProgramFolder() + "/" + kBrowser;
  execv(browser.c_str(), argv);
  std::perror(("lumetta: " + browser).c_str());
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  int status = 0;
  if (HandOver(argc, argv, status)) return status;
  return RunBrowser(argv);
}
