#include "ui/main_window/main_menus.h"

#include <gdk/gdkkeysyms.h>

#include <initializer_list>

#include "ui/controls/form.h"

namespace lumetta {

namespace {

constexpr const char* kFontSizeCaptions[] = {"最小(&A)", "较小(&S)", "中等(&M)", "较大(&L)",
                                             "最大(&G)"};
constexpr const char* kPageZoomCaptions[] = {
    "放大20% (&I)", "缩小20% (&O)", "-", "50%", "75%", "100%", "125%", "150%", "200%", "400%"};
constexpr const char* kSearchTypeCaptions[] = {"百度搜索", "雅虎搜索", "谷歌搜索"};

}  // namespace

void MainMenus::Build(Form& form, Controls& controls) {
  // Adds the items to the menu of `parent` and records them, in order.
  auto fill = [&controls](MenuItem& parent, std::initializer_list<MenuItem*> items) {
    for (MenuItem* item : items) {
      parent.Append(*item);
      controls.Add(*item);
    }
  };
  auto fill_array = [&controls](MenuItem& parent, ControlArray<MenuItem>& array, auto& captions,
                                const char* name, MenuKind kind) {
    int index = 0;
    for (const char* caption : captions) {
      MenuItem& item = array.Load(index++, name, caption, kind);
      parent.Append(item);
      controls.Add(item);
    }
  };

  for (MenuItem* top :
       {&mnuMainFile, &mnuMainEdit, &mnuMainView, &mnuMainFavorite, &mnuMainTool, &mnuMainHelp}) {
    form.AddMenu(*top);
  }

  controls.Add(mnuMainFile);
  fill(mnuMainFile,
       {&mnuMainFileNewLabel, &mnuMainFileOpen, &mnuMainFileSaveAs, &mnuLinelasdagq,
        &mnuMainFilePageSet, &mnuMainFilePrint, &mnuMainFilePrintPreView, &mnuLineladsgfaegq,
        &mnuMainFileProperty, &mnuMainFileOffLine, &mnuMainFileExit});

  controls.Add(mnuMainEdit);
  fill(mnuMainEdit, {&mnuMainEditCut, &mnuMainEditCopy, &mnuMainEditPaste, &mnuLineawegallksa,
                     &mnuMainEditSelectAll, &mnuMainEditFind});

  controls.Add(mnuMainView);
  fill(mnuMainView, {&mnuMainViewFontSize});
  fill_array(mnuMainViewFontSize, mnuMainViewFontSizeZoom, kFontSizeCaptions,
             "mnuMainViewFontSizeZoom", kCheck);
  fill(mnuMainView, {&mnuMainViewPageZoom});
  fill_array(mnuMainViewPageZoom, mnuMainViewPageZoomX, kPageZoomCaptions, "mnuMainViewPageZoomX",
             MenuKind::kCommand);
  fill(mnuMainView, {&mnuLinekkkkasdga, &mnuMainViewGo});
  fill(mnuMainViewGo, {&mnuMainViewGoHomePage, &mnuMainViewGoBack, &mnuMainViewGoForword});
  fill(mnuMainView,
       {&mnuMainViewStop, &mnuMainViewRefresh, &mnuLinedadsgf, &mnuMainViewSourceCode});
  mnuMainViewRefresh.SetShortcut(form.Accelerators(), GDK_KEY_F5);

  controls.Add(mnuMainFavorite);
  fill(mnuMainFavorite,
       {&mnuMainFavoriteAdd, &mnuMainFavoriteModify, &mnuLineikqewqetg, &mnuMainFavoriteBaiDu,
        &mnuMainFavoriteYahoo, &mnuMainFavoriteGoogle, &mnuLinedasgghh});
  const char* user_caption[] = {"用户链接..."};
  fill_array(mnuMainFavorite, mnuMainFavoriteUser, user_caption, "mnuMainFavoriteUser",
             MenuKind::kCommand);
  mnuLinedasgghh.SetVisible(false);
  mnuMainFavoriteUser(0).SetVisible(false);

  controls.Add(mnuMainTool);
  fill(mnuMainTool, {&mnuMainToolHistoryClearExplorer, &mnuLinekibf, &mnuMainToolSearch});
  fill_array(mnuMainToolSearch, mnuMainToolSearchType, kSearchTypeCaptions, "mnuMainToolSearchType",
             kCheck);
  fill(mnuMainTool, {&mnuMainToolApp});
  fill(mnuMainToolApp, {&mnuMainToolEXENotepad, &mnuMainToolEXECalc, &mnuMainToolEXEExplorer});
  fill(mnuMainTool, {&mnuLinekdiggg, &mnuMainToolInternetOption});

  controls.Add(mnuMainHelp);
  fill(mnuMainHelp, {&mnuMainHelpSoftPage, &mnuLinekop, &mnuMainHelpAbout});
}

}  // namespace lumetta
