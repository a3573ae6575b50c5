#include "engine/permissions/permission_question.h"

#include "platform/utf8.h"

namespace lumetta {

namespace {

const char* WhatIsAsked(PermissionKind kind) {
  switch (kind) {
    case PermissionKind::kLocation:
      return "使用您的位置信息";
    case PermissionKind::kNotifications:
      return "发送通知";
    case PermissionKind::kCamera:
      return "使用您的摄像头";
    case PermissionKind::kMicrophone:
      return "使用您的麦克风";
    case PermissionKind::kCameraAndMicrophone:
      return "使用您的摄像头和麦克风";
    case PermissionKind::kScreen:
      break;
  }
  return "共享您的屏幕";
}

}  // namespace

std::string PermissionQuestion(PermissionKind kind, const std::string& host) {
  return "“" + ValidUtf8(host) + "”想要" + WhatIsAsked(kind) + "。允许吗？";
}

std::optional<PermissionKind> MediaPermissionKind(bool display, bool video, bool audio) {
  if (display) return PermissionKind::kScreen;
  if (video && audio) return PermissionKind::kCameraAndMicrophone;
  if (video) return PermissionKind::kCamera;
  if (audio) return PermissionKind::kMicrophone;
  return std::nullopt;
}

}  // namespace lumetta
