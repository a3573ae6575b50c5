#pragma once

#include <webkit2/webkit2.h>

namespace lumetta {

// The engine collapses a page's selection when another widget takes the X primary selection,
// as the address box does when it selects its text on getting the focus. Copy and Cut chosen
// from the menu while the caret is in the address box must still act on the page's selection,
// so the page keeps its last selection from its own script world while it is in the background.

// Starts keeping the selections of the pages shown in `view`.
void KeepSelectionsOf(WebKitWebView* view);
// Puts back the selection the page had before it was collapsed in the background. Asked ahead of
// an editing command, it is done before the command is.
void RestoreKeptSelection(WebKitWebView* view);

}  // namespace lumetta
