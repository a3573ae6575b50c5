#pragma once

#include <string>
#include <string_view>

namespace lumetta {

// The longest file name the usual Linux file systems take, in bytes.
inline constexpr size_t kMaxFileNameBytes = 255;

// The name a server suggests for a download, made safe to propose in a folder: valid UTF-8,
// no "/" or "\", no control characters (NULs included), no leading dots or blanks, at most
// kMaxFileNameBytes bytes with the extension kept; "下载" when nothing is left.
std::string SafeDownloadName(std::string_view suggested);

// The name to propose when the network library lost the characters of the server's suggestion:
// a Content-Disposition name in raw GBK bytes arrives with each byte as U+FFFD. The address's
// own file name (its escaped bytes read as GB18030 when they are not UTF-8) when it has the
// suggestion's extension, else "下载" with that extension. Any other suggestion is returned as
// it is.
std::string RecoveredDownloadName(std::string_view suggested, std::string_view address);

// `name` with " (n)" before its extension, shortened to fit: the n-th choice when `name` is
// taken.
std::string NumberedName(const std::string& name, int n);

// The name of the working file that a download to `name` is written to until it is complete.
// The engine writes beside it a file of that name with ".wkdownload" added, so both fit.
std::string PartFileName(const std::string& name);

}  // namespace lumetta
