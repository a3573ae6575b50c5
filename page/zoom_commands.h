#pragma once

#include <string>

#include "app/status.h"

namespace lumetta {

class BrowserControl;
class frmMain;

// View > 字体大小: sets the control's text-size level `index` (0 smallest to 4 largest), then
// puts the check mark on that item, even when the control refused the level.
void mnuMainViewFontSizeZoom_Click(frmMain& form, int index);
// Clears the text-size items' check marks in ascending order, then checks item `index`.
void CheckFontSizeMenu(frmMain& form, int index);

// Items of View > 网页缩放 by index.
inline constexpr int kPageZoomIn = 0;
inline constexpr int kPageZoomOut = 1;
inline constexpr int kPageZoom100 = 5;

// View > 网页缩放: item 0 zooms in and item 1 out by 20% from the window's percentage, items 3
// to 9 choose 50% to 400%. The window keeps the new percentage even when the page could not be
// zoomed; a percentage out of the integer range leaves it as it was.
void mnuMainViewPageZoomX_Click(frmMain& form, int index);
// Scales the current page to `percentage` (decimal text in the user's number settings) by
// replacing the inline style of its body. A failure is reported under "SetPageZoom" and leaves
// the page as it was.
void SetPageZoom(frmMain& form, const std::string& percentage);
// SetPageZoom's steps on `control`; the first failure ends them and is given back.
Status ZoomPage(BrowserControl& control, const std::string& percentage);

}  // namespace lumetta
