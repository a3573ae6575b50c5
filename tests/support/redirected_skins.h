#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "platform/skin.h"

namespace lumetta::test {

// The real skinning component, installed for as long as it lives, except that its skins read
// the skin file of the name they are given from `folder`, a test's own, and record the paths
// they were given.
class RedirectedSkins : public SkinComponent {
 public:
  explicit RedirectedSkins(std::string folder) : folder_(std::move(folder)) {
    ThePlatform().skins = this;
  }
  ~RedirectedSkins() override { ThePlatform().skins = nullptr; }

  std::unique_ptr<Skin> CreateSkin() override { return std::make_unique<RedirectedSkin>(*this); }

  // The paths the skins were asked to load, in order.
  std::vector<std::string> loads;

 private:
  class RedirectedSkin : public Skin {
   public:
    explicit RedirectedSkin(RedirectedSkins& owner) : owner_(owner) {}
    bool Load(const std::string& path) override {
      owner_.loads.push_back(path);
      return skin_.Load(owner_.folder_ + path.substr(path.rfind('/')));
    }
    bool Apply(Gtk::Window& window) override { return skin_.Apply(window); }

   private:
    RedirectedSkins& owner_;
    CssSkin skin_;
  };

  std::string folder_;
};

}  // namespace lumetta::test
