#include "page/page_events.h"

#include "page/page_commands.h"
#include "page/view_source.h"
#include "page/zoom_commands.h"
#include "ui/main_window/frm_main.h"

namespace lumetta {

void ConnectPageEvents(frmMain& form) {
  form.Connect({
      {form.mnuMainFileSaveAs.Click, mnuMainFileSaveAs_Click},
      {form.mnuMainFilePageSet.Click, mnuMainFilePageSet_Click},
      {form.mnuMainFilePrint.Click, mnuMainFilePrint_Click},
      {form.mnuMainFilePrintPreView.Click, mnuMainFilePrintPreView_Click},
      {form.mnuMainFileProperty.Click, mnuMainFileProperty_Click},
      {form.mnuMainEditCut.Click, mnuMainEditCut_Click},
      {form.mnuMainEditCopy.Click, mnuMainEditCopy_Click},
      {form.mnuMainEditPaste.Click, mnuMainEditPaste_Click},
      {form.mnuMainEditSelectAll.Click, mnuMainEditSelectAll_Click},
      {form.mnuMainEditFind.Click, mnuMainEditFind_Click},
      {form.mnuMainViewFontSizeZoom, &MenuItem::Click, mnuMainViewFontSizeZoom_Click},
      {form.mnuMainViewPageZoomX, &MenuItem::Click, mnuMainViewPageZoomX_Click},
      {form.mnuMainViewSourceCode.Click, mnuMainViewSourceCode_Click},
  });
}

}  // namespace lumetta
