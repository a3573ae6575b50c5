#include "app/number_text.h"

#include <langinfo.h>

#include <charconv>
#include <cmath>

#include "app/resume_next.h"
#include "platform/trim.h"

namespace lumetta {

namespace {

constexpr int kSignificantDigits = 15;

size_t LeadingDigits(std::string_view text) {
  size_t count = 0;
  while (count < text.size() && text[count] >= '0' && text[count] <= '9') ++count;
  return count;
}

}  // namespace

std::string DecimalSeparator() {
  const char* radix = nl_langinfo(RADIXCHAR);
  return radix != nullptr && *radix != '\0' ? radix : ".";
}

std::string NumberToText(double value) {
  char buffer[64];
  if (value == 0) return "0";
  if (!std::isfinite(value)) {
    return std::string(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
  }
  // "d.dddddddddddddde+x": the significant digits and the power of ten of the first.
  const char* end = std::to_chars(buffer, buffer + sizeof buffer, value,
                                  std::chars_format::scientific, kSignificantDigits - 1)
                        .ptr;
  std::string_view text(buffer, end - buffer);
  std::string result;
  if (text.front() == '-') {
    result = "-";
    text.remove_prefix(1);
  }
  const size_t e = text.find('e');
  std::string digits(1, text[0]);
  digits.append(text.substr(2, e - 2));
  digits.erase(digits.find_last_not_of('0') + 1);
  std::string_view exponent_text = text.substr(e + 1);
  if (exponent_text.front() == '+') exponent_text.remove_prefix(1);
  int exponent = 0;
  std::from_chars(exponent_text.data(), exponent_text.data() + exponent_text.size(), exponent);

  // How many of the digits stand before the separator.
  const int whole = exponent + 1;
  const int count = static_cast<int>(digits.size());
  if (whole <= 0) {
    result.append("0")
        .append(DecimalSeparator())
        .append(static_cast<size_t>(-whole), '0')
        .append(digits);
  } else if (whole >= count) {
    result.append(digits).append(static_cast<size_t>(whole - count), '0');
  } else {
    result.append(digits, 0, whole).append(DecimalSeparator()).append(digits, whole);
  }
  return result;
}

Status TextToInt32(std::string_view text, int32_t& result) {
  const Status mismatch{kErrTypeMismatch, "Type mismatch"};
  const Status overflow{kErrOverflow, "Overflow"};
  text = TrimWhitespace(text);
  bool negative = false;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  const std::string_view whole = text.substr(0, LeadingDigits(text));
  text.remove_prefix(whole.size());
  std::string_view fraction;
  const std::string separator = DecimalSeparator();
  if (text.starts_with(separator)) {
    text.remove_prefix(separator.size());
    fraction = text.substr(0, LeadingDigits(text));
    text.remove_prefix(fraction.size());
  }
  if (!text.empty() || (whole.empty() && fraction.empty())) return mismatch;

  const uint64_t limit = negative ? 2147483648u : 2147483647u;
  uint64_t magnitude = 0;
  for (const char digit : whole) {
    magnitude = magnitude * 10 + static_cast<uint64_t>(digit - '0');
    if (magnitude > limit) return overflow;
  }
  if (!fraction.empty()) {
    const char first = fraction.front();
    const bool above_half = fraction.find_first_not_of('0', 1) != fraction.npos;
    if (first > '5' || (first == '5' && (above_half || magnitude % 2 == 1))) ++magnitude;
  }
  if (magnitude > limit) return overflow;
  result = static_cast<int32_t>(negative ? -static_cast<int64_t>(magnitude)
                                         : static_cast<int64_t>(magnitude));
  return {};
}

}  // namespace lumetta
