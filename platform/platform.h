#pragma once

namespace lumetta {

class Registry;
class UrlHistory;
class MessageBox;

// The desktop services the program calls. main() installs the real ones; tests install fakes.
// Window code reaches every service through this one object.
struct Platform {
  Registry* registry = nullptr;
  UrlHistory* url_history = nullptr;
  MessageBox* message_box = nullptr;
};

Platform& ThePlatform();

}  // namespace lumetta
