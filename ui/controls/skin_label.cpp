#include "ui/controls/skin_label.h"

#include <pangomm/attrlist.h>

namespace lumetta {

SkinLabel::SkinLabel(std::string name, int index) : Control(std::move(name), "SkinLabel", index) {
  label_.set_line_wrap(true);
  label_.set_line_wrap_mode(Pango::WRAP_WORD_CHAR);
  // The label's own width wraps it, not the length of its text.
  label_.set_max_width_chars(1);
  label_.set_xalign(0);
  label_.set_yalign(0);
  ApplyAll();
}

void SkinLabel::ApplyCaption() { label_.set_text(Caption()); }

void SkinLabel::SetFont(const std::string& description) {
  Pango::AttrList attributes;
  auto font = Pango::Attribute::create_attr_font_desc(Pango::FontDescription(description));
  attributes.insert(font);
  label_.set_attributes(attributes);
}

}  // namespace lumetta
