#include "platform/program_folder.h"

#include <glib.h>

namespace lumetta {

std::string ProgramFolder() {
  char* executable = g_file_read_link("/proc/self/exe", nullptr);
  if (executable == nullptr) return {};
  char* folder = g_path_get_dirname(executable);
  std::string result(folder);
  g_free(folder);
  g_free(executable);
  return result;
}

}  // namespace lumetta
