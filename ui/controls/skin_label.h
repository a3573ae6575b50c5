#pragma once

#include <gtkmm/label.h>

#include "ui/controls/control.h"

namespace lumetta {

// A label drawn with the window's skin: its caption from the top left, wrapped at word or
// character boundaries to the label's width, in a font of its own when one is given.
class SkinLabel : public Control {
 public:
  explicit SkinLabel(std::string name, int index = kNoIndex);

  Gtk::Widget* Widget() override { return &label_; }
  Gtk::Label& Label() { return label_; }

  // A Pango font description, "Sans 8.25" say; it wins over the skin's font.
  void SetFont(const std::string& description);

 protected:
  void ApplyCaption() override;

 private:
  Gtk::Label label_;
};

}  // namespace lumetta
