#include "page/view_source.h"

#include <glib.h>

#include "app/report_error.h"
#include "app/status.h"
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
  const Status read = form.webMain->GetDocumentElementInnerHTML(markup);
  // Reading waited for the page: a window closed meanwhile opens no editor.
  if (alive.expired()) return;
  // A page that did not answer (busy, still loading) leaves the file the editor showed last.
  if (read.Failed()) {
    ReportError("mnuMainViewSourceCode_Click", read.number, read.description);
    return;
  }
  const std::string program_folder = ProgramFolder();
  const std::string path = WriteSourceFile(markup, program_folder, UserCacheDir() + "/lumetta");
  if (Shell* shell = ThePlatform().shell) {
    shell->ShellExecute("Open", kNotepad, path, program_folder, kSwShowNormal);
  }
}

std::string WriteSourceFile(const std::string& markup, const std::string& program_folder,
                            const std::string& fallback_folder) {
  const std::string text = markup + '\n';
  // A new file renamed over the old one: a link in its place is replaced, never written
  // through, and the page's text is the user's alone to read.
  constexpr mode_t kPrivate = 0600;
  if (!program_folder.empty()) {
    // Joined as text: a folder that ends in "/" gives "//", which names the same file.
    const std::string path = program_folder + "/" + kSourceFileName;
    if (ReplaceFile(path, text, kPrivate)) return path;
  }
  const std::string path = fallback_folder + "/" + kSourceFileName;
  if (g_mkdir_with_parents(fallback_folder.c_str(), 0700) == 0) ReplaceFile(path, text, kPrivate);
  return path;
}

}  // namespace lumetta
