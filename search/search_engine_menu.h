#pragma once

namespace lumetta {

class frmMain;

// Pops up the engine items of Tools > "选择搜索引擎" at the mouse pointer, its left edge at the
// pointer, and returns once the pop-up has closed. Choosing an item there chooses the item of
// the Tools menu.
void PopUpSearchEngines(frmMain& form);

}  // namespace lumetta
