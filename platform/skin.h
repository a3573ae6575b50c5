#pragma once

#include <glibmm/refptr.h>

#include <memory>
#include <string>

namespace Gtk {
class CssProvider;
class Window;
}  // namespace Gtk

namespace lumetta {

// A window skin: a style sheet loaded from a file, drawn over the windows it is applied to.
class Skin {
 public:
  Skin() = default;
  Skin(const Skin&) = delete;
  Skin& operator=(const Skin&) = delete;
  virtual ~Skin() = default;

  // Loads the skin file at `path`. False for a missing, unreadable or unparsable file; the skin
  // then keeps what it held.
  virtual bool Load(const std::string& path) = 0;
  // Skins `window` and everything in it, its menus and the widgets added to it later included,
  // and no other window. False when nothing has been loaded.
  virtual bool Apply(Gtk::Window& window) = 0;
};

// The skinning component: it makes one skin object per window that asks for one.
class SkinComponent {
 public:
  SkinComponent() = default;
  SkinComponent(const SkinComponent&) = delete;
  SkinComponent& operator=(const SkinComponent&) = delete;
  virtual ~SkinComponent() = default;

  virtual std::unique_ptr<Skin> CreateSkin() = 0;
};

// A skin file is a GTK CSS style sheet, valid UTF-8 without NUL bytes, at most kMaxSkinBytes,
// asking for no more than CheckSkinSheet allows.
// Applying it gives every widget of the window the sheet through the widget's own style context,
// above the theme and below the program's own rules (sizes, panel colours).
class CssSkin : public Skin {
 public:
  // A whole theme (Adwaita's) is 170 KB. GTK's parsing time and memory grow faster than the
  // sheet: 1 MB of rules takes it a minute and gigabytes, in every window that loads it.
  static constexpr size_t kMaxSkinBytes = 256 * 1024;

  CssSkin();
  ~CssSkin() override;

  bool Load(const std::string& path) override;
  bool Apply(Gtk::Window& window) override;

 private:
  Glib::RefPtr<Gtk::CssProvider> sheet_;
};

class CssSkinComponent : public SkinComponent {
 public:
  std::unique_ptr<Skin> CreateSkin() override { return std::make_unique<CssSkin>(); }
};

}  // namespace lumetta
