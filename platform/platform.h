#pragma once

namespace lumetta {

class Registry;
class UrlHistory;
class MessageBox;
class ShellFolders;
class FavoritesDialogs;
class Shell;
class UrlCache;
class SkinComponent;
class FileDialog;

// The desktop services the program calls. main() installs the real ones; tests install fakes.
// Window code reaches every service through this one object.
struct Platform {
  Registry* registry = nullptr;
  UrlHistory* url_history = nullptr;
  MessageBox* message_box = nullptr;
  ShellFolders* shell_folders = nullptr;
  FavoritesDialogs* favorites_dialogs = nullptr;
  Shell* shell = nullptr;
  UrlCache* url_cache = nullptr;
  SkinComponent* skins = nullptr;
  FileDialog* file_dialog = nullptr;
};

Platform& ThePlatform();

}  // namespace lumetta
