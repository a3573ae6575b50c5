#pragma once

#include <string>

namespace lumetta {

class frmMain;

// The file that takes the page's markup for the text editor.
inline constexpr char kSourceFileName[] = "DSCode.txt";

// View > 查看源文件: writes the current document's markup, as the page holds it now, to
// "DSCode.txt" and opens that file in the desktop's text editor. When the markup cannot be read
// the file stays as it was, no editor starts and the failure goes to ReportError.
void mnuMainViewSourceCode_Click(frmMain& form);

// Writes `markup` in UTF-8, with a line break after it, to "DSCode.txt" in `program_folder`
// or, when that cannot be written, in `fallback_folder` (made when missing), so the editor
// never shows an older file. The file is replaced, not written through a link, and readable by
// the user alone. Gives the path the editor is to open.
std::string WriteSourceFile(const std::string& markup, const std::string& program_folder,
                            const std::string& fallback_folder);

}  // namespace lumetta
