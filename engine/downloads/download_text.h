#pragma once

#include <cstdint>
#include <string>

namespace lumetta {

// Texts of the download windows.

// "512 字节", "1.5 KB", "3.2 MB", "1.0 GB" (units of 1,024).
std::string ByteSizeText(uint64_t bytes);
// "3.2 MB/秒".
std::string RateText(double bytes_per_second);
// "5 秒", "2 分 5 秒", "1 小时 3 分".
std::string TimeLeftText(double seconds);

}  // namespace lumetta
