#include "page/page_events.h"

#include "page/view_source.h"
#include "page/zoom_commands.h"
#include "ui/main_window/frm_main.h"

namespace lumetta {

void ConnectPageEvents(frmMain& form) {
  for (const auto& [index, item] : form.mnuMainViewFontSizeZoom) {
    form.Track(item->Click.connect([&form](int i) { mnuMainViewFontSizeZoom_Click(form, i); }));
  }
  for (const auto& [index, item] : form.mnuMainViewPageZoomX) {
    form.Track(item->Click.connect([&form](int i) { mnuMainViewPageZoomX_Click(form, i); }));
  }
  form.Track(form.mnuMainViewSourceCode.Click.connect(
      [&form](int) { mnuMainViewSourceCode_Click(form); }));
}

}  // namespace lumetta
