#include "page/view_source.h"

#include <glib.h>

#include "platform/file_io.h"
#include "platform/platform.h"
#include "platform/program_folder.h"
#include "platform/shell.h"
#include "platform/user_dirs.h"
#include "ui/main_window/frm_main.h"

namespace lumetta {

void mnuMainViewSourceCode_Click(frmMain& form) {
  std::string markup;
  const std::weak_ptr<void> alive = form.Alive();
  if (form.webMain->GetDocumentElementInnerHTML(markup).Failed()) markup.clear();
  // Reading waited for the page: a window closed meanwhile opens no editor.
  if (alive.expired()) return;
  const std::string program_folder = ProgramFolder();
  const std::string path = WriteSourceFile(markup, program_folder, UserCacheDir() + "/lumetta");
  if (Shell* shell = ThePlatform().shell) {
    shell->ShellExecute("Open", kNotepad, path, program_folder, kSwShowNormal);
  }
}

std::string WriteSourceFile(const std::string& markup, const std::string& program_folder,
                            const std::string& fallback_folder) {
  const std::string text = markup + '\n';
  if (!program_folder.empty()) {
    // Joined as text: a folder that ends in "/" gives "//", which names the same file.
    const std::string path = program_folder + "/" + kSourceFileName;
    if (WriteRegularFile(path, text)) return path;
  }
  const std::string path = fallback_folder + "/" + kSourceFileName;
  if (g_mkdir_with_parents(fallback_folder.c_str(), 0700) == 0) WriteRegularFile(path, text);
  return path;
}

}  // namespace lumetta
