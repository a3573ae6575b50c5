#include "app/settings.h"

#include "app/read_reg_value.h"
#include "app/search_templates.h"
#include "platform/registry.h"

namespace lumetta {

std::string gstrTitleSuffix;
std::string gstrSearchType;
std::string gstrHomePage;
std::array<std::string, 3> gstrSearchURL;

namespace {

bool NoStartPage(const std::string& page) { return page.empty() || page == "about:blank"; }

}  // namespace

void InitSettings() {
  gstrTitleSuffix = " - Lumetta";
  gstrSearchType = "0";
  gstrHomePage = ReadRegValue(kHKeyCurrentUser, kStartPageKey, kStartPageValue);
  if (NoStartPage(gstrHomePage)) {
    gstrHomePage = ReadRegValue(kHKeyLocalMachine, kStartPageKey, kStartPageValue);
  }
  if (NoStartPage(gstrHomePage)) gstrHomePage = kDefaultHomePage;
  FillSearchTemplates(gstrSearchURL);
}

}  // namespace lumetta
