#include "engine/permissions/permission_question.h"

#include <gtest/gtest.h>

namespace lumetta {
namespace {

TEST(PermissionQuestionTest, EachKindNamesWhatTheSiteWants) {
  EXPECT_EQ(PermissionQuestion(PermissionKind::kNotifications, "例子.cn"),
            "“例子.cn”想要发送通知。允许吗？");
  EXPECT_EQ(PermissionQuestion(PermissionKind::kCameraAndMicrophone, "meet.example"),
            "“meet.example”想要使用您的摄像头和麦克风。允许吗？");
  EXPECT_EQ(PermissionQuestion(PermissionKind::kScreen, "h"), "“h”想要共享您的屏幕。允许吗？");
}

TEST(PermissionQuestionTest, MediaRequestsByTheirDevices) {
  EXPECT_EQ(MediaPermissionKind(true, true, true), PermissionKind::kScreen);
  EXPECT_EQ(MediaPermissionKind(false, true, true), PermissionKind::kCameraAndMicrophone);
  EXPECT_EQ(MediaPermissionKind(false, true, false), PermissionKind::kCamera);
  EXPECT_EQ(MediaPermissionKind(false, false, true), PermissionKind::kMicrophone);
  EXPECT_EQ(MediaPermissionKind(false, false, false), std::nullopt);
}

}  // namespace
}  // namespace lumetta
