#include "platform/platform.h"

namespace lumetta {

Platform& ThePlatform() {
  static Platform platform;
  return platform;
}

}  // namespace lumetta
