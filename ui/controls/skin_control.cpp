#include "ui/controls/skin_control.h"

#include "platform/platform.h"
#include "platform/skin.h"
#include "ui/controls/form.h"

namespace lumetta {

SkinControl::SkinControl(std::string name) : Control(std::move(name), "Skin") {
  if (SkinComponent* component = ThePlatform().skins) skin_ = component->CreateSkin();
  SetVisible(false);
}

SkinControl::~SkinControl() = default;

bool SkinControl::LoadSkin(const std::string& path) { return skin_ && skin_->Load(path); }

bool SkinControl::ApplySkin(Form& target) { return skin_ && skin_->Apply(target.Window()); }

}  // namespace lumetta
