#pragma once

#include <glib.h>

#include <initializer_list>
#include <map>
#include <optional>
#include <string>

namespace lumetta::test {

// Puts the named environment variables back as they were when it goes.
class ScopedEnv {
 public:
  explicit ScopedEnv(std::initializer_list<const char*> names) {
    for (const char* name : names) {
      const char* value = g_getenv(name);
      saved_[name] = value != nullptr ? std::optional<std::string>(value) : std::nullopt;
    }
  }
  ~ScopedEnv() {
    for (const auto& [name, value] : saved_) {
      if (value) {
        g_setenv(name.c_str(), value->c_str(), TRUE);
      } else {
        g_unsetenv(name.c_str());
      }
    }
  }
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  std::map<std::string, std::optional<std::string>> saved_;
};

}  // namespace lumetta::test
