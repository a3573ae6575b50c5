#pragma once

#include <string>

namespace lumetta {

// What a user reads for a MIME type, followed by the type itself: "HTML 文档 (text/html)". The
// common types are named as a Chinese desktop names them, others as the system describes them;
// "未知类型" when there is no type.
std::string TypeDescription(const std::string& mime_type);

}  // namespace lumetta
