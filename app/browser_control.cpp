#include "app/browser_control.h"

namespace lumetta {

BrowserControl::BrowserControl() {
  CanGoBackChanged.connect(
      [this](bool enable) { CommandStateChange.emit(kCscNavigateBack, enable); });
  CanGoForwardChanged.connect(
      [this](bool enable) { CommandStateChange.emit(kCscNavigateForward, enable); });
}

bool BrowserControl::ExecWB(int command, int option, std::optional<int32_t> input,
                            int32_t* output) {
  switch (command) {
    case kOleCmdIdSaveAs:
      return SaveAs();
    case kOleCmdIdPrint:
      return Print(option != kOleCmdExecOptDontPromptUser);
    case kOleCmdIdPrintPreview:
      return PrintPreview();
    case kOleCmdIdPageSetup:
      return PageSetup();
    case kOleCmdIdProperties:
      return ShowProperties();
    case kOleCmdIdCut:
      return Edit(EditCommand::kCut);
    case kOleCmdIdCopy:
      return Edit(EditCommand::kCopy);
    case kOleCmdIdPaste:
      return Edit(EditCommand::kPaste);
    case kOleCmdIdSelectAll:
      return Edit(EditCommand::kSelectAll);
    case kOleCmdIdZoom:
      if (input && !SetTextSize(*input)) return false;
      if (output != nullptr) *output = TextSize();
      return true;
    default:
      return false;
  }
}

}  // namespace lumetta
