#include "platform/shell.h"

#include <gio/gdesktopappinfo.h>
#include <gio/gio.h>
#include <glib.h>

#include <memory>
#include <optional>

#include "platform/user_dirs.h"

namespace lumetta {
namespace {

constexpr const char* kEditors[] = {
    "gnome-text-editor", "gedit",   "mousepad", "pluma", "xed", "kwrite", "kate",
    "featherpad",        "leafpad", "geany"};
constexpr const char* kCalculators[] = {"gnome-calculator", "galculator",  "mate-calc", "kcalc",
                                        "qalculate-gtk",    "speedcrunch", "xcalc"};
constexpr const char* kFileManagers[] = {"nautilus", "nemo",       "caja",   "thunar",
                                         "pcmanfm",  "pcmanfm-qt", "dolphin"};

template <typename T>
using GPtr = std::unique_ptr<T, void (*)(gpointer)>;

// The Exec line of the default application for `content_type`, if any.
std::optional<std::string> DefaultExecFor(const char* content_type) {
  GAppInfo* info = g_app_info_get_default_for_type(content_type, FALSE);
  if (info == nullptr) return std::nullopt;
  std::optional<std::string> result = StartableExec(info);
  g_object_unref(info);
  return result;
}

// The Exec line of the first desktop application in `category`, in name order.
std::optional<std::string> FirstExecInCategory(const char* category) {
  GList* all = g_app_info_get_all();
  std::optional<std::string> result;
  std::string best_name;
  for (GList* item = all; item != nullptr; item = item->next) {
    auto* info = G_DESKTOP_APP_INFO(item->data);
    const char* categories = g_desktop_app_info_get_categories(info);
    if (categories == nullptr || !g_app_info_should_show(G_APP_INFO(info))) continue;
    GPtr<gchar*> names(g_strsplit(categories, ";", -1),
                       reinterpret_cast<void (*)(gpointer)>(g_strfreev));
    bool listed = false;
    for (gchar** name = names.get(); *name != nullptr; ++name)
      listed = listed || g_strcmp0(*name, category) == 0;
    const std::optional<std::string> line = StartableExec(G_APP_INFO(info));
    const char* name = g_app_info_get_name(G_APP_INFO(info));
    if (!listed || !line || name == nullptr) continue;
    if (!result || g_utf8_collate(name, best_name.c_str()) < 0) {
      result = line;
      best_name = name;
    }
  }
  g_list_free_full(all, g_object_unref);
  return result;
}

// The content type of the file at `path`, from its name and contents.
std::string ContentTypeOf(const std::string& path) {
  GFile* file = g_file_new_for_path(path.c_str());
  GFileInfo* info = g_file_query_info(file, G_FILE_ATTRIBUTE_STANDARD_CONTENT_TYPE,
                                      G_FILE_QUERY_INFO_NONE, nullptr, nullptr);
  std::string type;
  if (info != nullptr && g_file_info_get_content_type(info) != nullptr) {
    type = g_file_info_get_content_type(info);
  }
  if (info != nullptr) g_object_unref(info);
  g_object_unref(file);
  return type;
}

std::optional<std::string> FirstInstalled(const auto& programs) {
  for (const char* program : programs) {
    GPtr<gchar> path(g_find_program_in_path(program), g_free);
    if (path) return std::string(path.get());
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::string> StartableExec(GAppInfo* app) {
  const char* line = g_app_info_get_commandline(app);
  if (line == nullptr) return std::nullopt;
  // Started without a terminal, a terminal program would show nothing.
  if (G_IS_DESKTOP_APP_INFO(app) &&
      g_desktop_app_info_get_boolean(G_DESKTOP_APP_INFO(app), "Terminal")) {
    return std::nullopt;
  }
  return line;
}

std::vector<std::string> ExecArgv(const std::string& exec_line, const std::string& file) {
  gint argc = 0;
  gchar** parsed = nullptr;
  if (!g_shell_parse_argv(exec_line.c_str(), &argc, &parsed, nullptr)) return {};
  std::vector<std::string> argv;
  for (gint i = 0; i < argc; ++i) {
    const std::string word = parsed[i];
    if (word == "%f" || word == "%F" || word == "%u" || word == "%U") {
      if (!file.empty()) argv.push_back(file);
      continue;
    }
    std::string expanded;
    for (size_t at = 0; at < word.size(); ++at) {
      if (word[at] != '%' || at + 1 == word.size()) {
        expanded += word[at];
      } else if (word[++at] == '%') {
        expanded += '%';
      }
    }
    if (!expanded.empty()) argv.push_back(expanded);
  }
  g_strfreev(parsed);
  return argv;
}

bool SpawnLauncher::Launch(const std::vector<std::string>& argv,
                           const std::string& working_folder) {
  if (argv.empty()) return false;
  std::vector<gchar*> args;
  for (const std::string& arg : argv) args.push_back(const_cast<gchar*>(arg.c_str()));
  args.push_back(nullptr);
  // The child outlives us and is not watched; SEARCH_PATH finds a bare program name.
  const GSpawnFlags flags = static_cast<GSpawnFlags>(
      G_SPAWN_SEARCH_PATH | G_SPAWN_STDIN_FROM_DEV_NULL | G_SPAWN_DO_NOT_REAP_CHILD);
  GPid pid = 0;
  const bool started = g_spawn_async(working_folder.empty() ? nullptr : working_folder.c_str(),
                                     args.data(), nullptr, flags, nullptr, nullptr, &pid, nullptr);
  if (started) {
    // Reaped when it exits, so no zombie stays behind.
    g_child_watch_add(
        pid, [](GPid child, gint, gpointer) { g_spawn_close_pid(child); }, nullptr);
  }
  return started;
}

DesktopShell::DesktopShell(ProgramLauncher& launcher, std::string program_folder)
    : launcher_(launcher), program_folder_(std::move(program_folder)) {}

bool DesktopShell::ShellExecute(const std::string& verb, const std::string& file,
                                const std::string& parameters, const std::string& directory, int) {
  if (g_ascii_strcasecmp(verb.c_str(), "open") != 0) return false;
  std::optional<std::string> exec;
  std::string argument = parameters;
  const char* name = file.c_str();
  if (g_ascii_strcasecmp(name, kNotepad) == 0) {
    exec = DefaultExecFor("text/plain");
    if (!exec) exec = FirstInstalled(kEditors);
  } else if (g_ascii_strcasecmp(name, kCalculator) == 0) {
    exec = FirstExecInCategory("Calculator");
    if (!exec) exec = FirstInstalled(kCalculators);
    argument.clear();
  } else if (g_ascii_strcasecmp(name, kExplorer) == 0) {
    exec = DefaultExecFor("inode/directory");
    if (!exec) exec = FirstInstalled(kFileManagers);
    if (argument.empty()) argument = HomeDir();
  } else if (g_path_is_absolute(name) && g_file_test(name, G_FILE_TEST_EXISTS)) {
    // A document or a folder opens in the desktop's default application for its type.
    const bool folder = g_file_test(name, G_FILE_TEST_IS_DIR);
    const std::string type = folder ? "inode/directory" : ContentTypeOf(file);
    if (!type.empty()) exec = DefaultExecFor(type.c_str());
    if (!exec && folder) exec = FirstInstalled(kFileManagers);
    argument = file;
  }
  if (!exec) return false;
  std::vector<std::string> argv;
  if (exec->find('%') == std::string::npos && g_path_is_absolute(exec->c_str()) &&
      g_file_test(exec->c_str(), G_FILE_TEST_IS_EXECUTABLE)) {
    // A program found on PATH: its path, then the argument.
    argv.push_back(*exec);
    if (!argument.empty()) argv.push_back(argument);
  } else {
    argv = ExecArgv(*exec, argument);
  }
  return launcher_.Launch(argv, directory);
}

bool DesktopShell::RunCommandLine(const std::string& command_line, int) {
  if (command_line != kInternetOptionsCommand) return false;
  const std::string program = program_folder_ + "/" + kOptionsProgram;
  if (!g_file_test(program.c_str(), G_FILE_TEST_IS_EXECUTABLE)) return false;
  return launcher_.Launch({program}, program_folder_);
}

}  // namespace lumetta
