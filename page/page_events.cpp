#include "page/page_events.h"

#include "page/page_commands.h"
#include "page/view_source.h"
#include "page/zoom_commands.h"
#include "ui/main_window/frm_main.h"

namespace lumetta {

void ConnectPageEvents(frmMain& form) {
  auto on_click = [&form](MenuItem& item, void (*handler)(frmMain&)) {
    form.Track(item.Click.connect([&form, handler](int) { handler(form); }));
  };
  on_click(form.mnuMainFileSaveAs, &mnuMainFileSaveAs_Click);
  on_click(form.mnuMainFilePageSet, &mnuMainFilePageSet_Click);
  on_click(form.mnuMainFilePrint, &mnuMainFilePrint_Click);
  on_click(form.mnuMainFilePrintPreView, &mnuMainFilePrintPreView_Click);
  on_click(form.mnuMainFileProperty, &mnuMainFileProperty_Click);
  on_click(form.mnuMainEditCut, &mnuMainEditCut_Click);
  on_click(form.mnuMainEditCopy, &mnuMainEditCopy_Click);
  on_click(form.mnuMainEditPaste, &mnuMainEditPaste_Click);
  on_click(form.mnuMainEditSelectAll, &mnuMainEditSelectAll_Click);
  on_click(form.mnuMainEditFind, &mnuMainEditFind_Click);
  for (const auto& [index, item] : form.mnuMainViewFontSizeZoom) {
    form.Track(item->Click.connect([&form](int i) { mnuMainViewFontSizeZoom_Click(form, i); }));
  }
  for (const auto& [index, item] : form.mnuMainViewPageZoomX) {
    form.Track(item->Click.connect([&form](int i) { mnuMainViewPageZoomX_Click(form, i); }));
  }
  on_click(form.mnuMainViewSourceCode, &mnuMainViewSourceCode_Click);
}

}  // namespace lumetta
