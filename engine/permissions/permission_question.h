#pragma once

#include <optional>
#include <string>

namespace lumetta {

// What a page may ask the user for.
enum class PermissionKind {
  kLocation,
  kNotifications,
  kCamera,
  kMicrophone,
  kCameraAndMicrophone,
  kScreen,
};

// The question put to the user when the site at `host` asks for `kind`.
std::string PermissionQuestion(PermissionKind kind, const std::string& host);

// What a request for media devices asks for; nothing when it asks for no device.
std::optional<PermissionKind> MediaPermissionKind(bool display, bool video, bool audio);

}  // namespace lumetta
