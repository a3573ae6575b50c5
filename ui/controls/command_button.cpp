#include "ui/controls/command_button.h"

#include "ui/controls/menu_item.h"
#include "ui/controls/program_style.h"

namespace lumetta {

namespace {

// The buttons are laid out at classic sizes (25 pixels high, captions close to the edges); the
// theme's padding would not fit and would push a button past its neighbour or the window.
constexpr char kCommandButtonCss[] =
    "button.lumetta-button { min-height: 0; min-width: 0; padding: 0 2px; }";

}  // namespace

CommandButton::CommandButton(std::string name, const std::string& caption, int index)
    : Control(std::move(name), "CommandButton", index) {
  AddProgramStyle(kCommandButtonCss);
  button_.get_style_context()->add_class("lumetta-button");
  button_.set_use_underline(true);
  button_.signal_clicked().connect([this] { Click.emit(); });
  SetCaption(caption);
  ApplyAll();
}

void CommandButton::ApplyCaption() { button_.set_label(MnemonicLabel(Caption())); }

}  // namespace lumetta
