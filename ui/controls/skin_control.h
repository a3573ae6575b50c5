#pragma once

#include <memory>
#include <string>

#include "ui/controls/control.h"

namespace lumetta {

class Form;
class Skin;

// A window's skin object: it holds the skin it last loaded and draws it over the windows it is
// told to skin. It has no widget of its own. Without a skinning component on the desktop it
// holds nothing, and loading and skinning fail.
class SkinControl : public Control {
 public:
  explicit SkinControl(std::string name);
  ~SkinControl() override;

  // Loads the skin file at `path`; on failure the object keeps the skin it held.
  bool LoadSkin(const std::string& path);
  // Skins `target` with the skin held.
  bool ApplySkin(Form& target);

 private:
  std::unique_ptr<Skin> skin_;
};

}  // namespace lumetta
