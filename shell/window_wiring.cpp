#include "shell/window_wiring.h"

#include "favorites/favorite_commands.h"
#include "navigation/navigation_commands.h"
#include "page/page_events.h"
#include "search/search_commands.h"
#include "tools/tools_events.h"

namespace lumetta {

void ConnectSubsystems(frmMain& form) {
  ConnectNavigationEvents(form);
  ConnectSearchEvents(form);
  ConnectFavoriteEvents(form);
  ConnectPageEvents(form);
  ConnectToolsEvents(form);
}

}  // namespace lumetta
