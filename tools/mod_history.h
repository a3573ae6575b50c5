#pragma once

#include <memory>

namespace lumetta {

class frmMain;

// Tools > 清除所有历史记录: asks for a confirmation, then clears.
void mnuMainToolHistoryClearExplorer_Click(frmMain& form);
// Runs ClearCache with its failures suppressed; a clearing asked for while another runs is
// left to that one.
void ClearHistory(const std::weak_ptr<void>& asker);
// Deletes every group and entry of the Internet cache and tells the user how it went. `asker`
// lives as long as the window that asked: once it has closed, the clearing goes on in silence.
void ClearCache(const std::weak_ptr<void>& asker);

}  // namespace lumetta
