#pragma once

#include <string>

namespace lumetta::test {

// Puts the number settings (LC_NUMERIC) on a locale whose decimal separator is "," while it
// lives. The locale is compiled with localedef into a temporary folder the first time, so the
// machine needs no locale of its own.
class DecimalCommaLocale {
 public:
  DecimalCommaLocale();
  ~DecimalCommaLocale();
  DecimalCommaLocale(const DecimalCommaLocale&) = delete;
  DecimalCommaLocale& operator=(const DecimalCommaLocale&) = delete;

  // False when the locale could not be made (localedef or its character maps are missing).
  bool Active() const { return active_; }

 private:
  std::string previous_;
  bool active_ = false;
};

}  // namespace lumetta::test
