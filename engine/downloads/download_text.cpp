#include "engine/downloads/download_text.h"

#include <cmath>
#include <cstdio>

namespace lumetta {

std::string ByteSizeText(uint64_t bytes) {
  if (bytes < 1024) return std::to_string(bytes) + " 字节";
  static constexpr const char* kUnits[] = {"KB", "MB", "GB", "TB"};
  double value = static_cast<double>(bytes) / 1024;
  size_t unit = 0;
  // A value that one decimal would show as 1024.0 takes the next unit.
  while (value >= 1024 - 0.05 && unit + 1 < std::size(kUnits)) {
    value /= 1024;
    ++unit;
  }
  char text[32];
  std::snprintf(text, sizeof text, "%.1f %s", value, kUnits[unit]);
  return text;
}

std::string RateText(double bytes_per_second) {
  return ByteSizeText(static_cast<uint64_t>(std::max(0.0, bytes_per_second))) + "/秒";
}

std::string TimeLeftText(double seconds) {
  const auto total = static_cast<uint64_t>(std::ceil(std::max(0.0, seconds)));
  const uint64_t hours = total / 3600;
  const uint64_t minutes = total % 3600 / 60;
  if (hours > 0) return std::to_string(hours) + " 小时 " + std::to_string(minutes) + " 分";
  if (minutes > 0) return std::to_string(minutes) + " 分 " + std::to_string(total % 60) + " 秒";
  return std::to_string(total) + " 秒";
}

}  // namespace lumetta
