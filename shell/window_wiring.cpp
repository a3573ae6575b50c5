#include "shell/window_wiring.h"

#include "favorites/favorite_commands.h"
#include "navigation/navigation_commands.h"
#include "search/search_commands.h"

namespace lumetta {

void ConnectSubsystems(frmMain& form) {
  ConnectNavigationEvents(form);
  ConnectSearchEvents(form);
  ConnectFavoriteEvents(form);
}

}  // namespace lumetta
