#pragma once

#include "ui/controls/control_array.h"
#include "ui/controls/controls.h"
#include "ui/controls/menu_item.h"

namespace lumetta {

class Form;

// The menu bar of a main window.
struct MainMenus {
  // Loads the control arrays, nests every item, records them in creation order and gives
  // Refresh its F5 shortcut.
  void Build(Form& form, Controls& controls);

  static constexpr MenuKind kSub = MenuKind::kSubmenu;
  static constexpr MenuKind kCheck = MenuKind::kCheck;

  MenuItem mnuMainFile{"mnuMainFile", "文件(&F)", kSub};
  MenuItem mnuMainFileNewLabel{"mnuMainFileNewLabel", "新建(&N)"};
  MenuItem mnuMainFileOpen{"mnuMainFileOpen", "打开(&O)..."};
  MenuItem mnuMainFileSaveAs{"mnuMainFileSaveAs", "另存为(&S)..."};
  MenuItem mnuLinelasdagq{"mnuLinelasdagq", "-"};
  MenuItem mnuMainFilePageSet{"mnuMainFilePageSet", "页面设置(&U)..."};
  MenuItem mnuMainFilePrint{"mnuMainFilePrint", "打印(&P)..."};
  MenuItem mnuMainFilePrintPreView{"mnuMainFilePrintPreView", "打印预览(&V)..."};
  MenuItem mnuLineladsgfaegq{"mnuLineladsgfaegq", "-"};
  MenuItem mnuMainFileProperty{"mnuMainFileProperty", "属性(&R)"};
  MenuItem mnuMainFileOffLine{"mnuMainFileOffLine", "脱机工作(&W)", kCheck};
  MenuItem mnuMainFileExit{"mnuMainFileExit", "关闭(&C)"};

  MenuItem mnuMainEdit{"mnuMainEdit", "编辑(&E)", kSub};
  MenuItem mnuMainEditCut{"mnuMainEditCut", "剪切(&T)"};
  MenuItem mnuMainEditCopy{"mnuMainEditCopy", "复制(&C)"};
  MenuItem mnuMainEditPaste{"mnuMainEditPaste", "粘贴(&P)"};
  MenuItem mnuLineawegallksa{"mnuLineawegallksa", "-"};
  MenuItem mnuMainEditSelectAll{"mnuMainEditSelectAll", "全选(&A)"};
  MenuItem mnuMainEditFind{"mnuMainEditFind", "查找...(&F)"};

  MenuItem mnuMainView{"mnuMainView", "查看(&V)", kSub};
  MenuItem mnuMainViewFontSize{"mnuMainViewFontSize", "字体大小(&F)", kSub};
  ControlArray<MenuItem> mnuMainViewFontSizeZoom;
  MenuItem mnuMainViewPageZoom{"mnuMainViewPageZoom", "网页缩放(&Z)", kSub};
  ControlArray<MenuItem> mnuMainViewPageZoomX;
  MenuItem mnuLinekkkkasdga{"mnuLinekkkkasdga", "-"};
  MenuItem mnuMainViewGo{"mnuMainViewGo", "转到(&G)", kSub};
  MenuItem mnuMainViewGoHomePage{"mnuMainViewGoHomePage", "主页(&H)"};
  MenuItem mnuMainViewGoBack{"mnuMainViewGoBack", "后退(&B)"};
  MenuItem mnuMainViewGoForword{"mnuMainViewGoForword", "向前(&F)"};
  MenuItem mnuMainViewStop{"mnuMainViewStop", "停止(&P)"};
  MenuItem mnuMainViewRefresh{"mnuMainViewRefresh", "刷新(&R)"};
  MenuItem mnuLinedadsgf{"mnuLinedadsgf", "-"};
  MenuItem mnuMainViewSourceCode{"mnuMainViewSourceCode", "查看源文件(&O)"};

  MenuItem mnuMainFavorite{"mnuMainFavorite", "收藏夹(&A)", kSub};
  MenuItem mnuMainFavoriteAdd{"mnuMainFavoriteAdd", "添加到收藏夹"};
  MenuItem mnuMainFavoriteModify{"mnuMainFavoriteModify", "整理收藏夹"};
  MenuItem mnuLineikqewqetg{"mnuLineikqewqetg", "-"};
  MenuItem mnuMainFavoriteBaiDu{"mnuMainFavoriteBaiDu", "百度首页"};
  MenuItem mnuMainFavoriteYahoo{"mnuMainFavoriteYahoo", "雅虎首页"};
  MenuItem mnuMainFavoriteGoogle{"mnuMainFavoriteGoogle", "谷歌首页"};
  MenuItem mnuLinedasgghh{"mnuLinedasgghh", "-"};
  ControlArray<MenuItem> mnuMainFavoriteUser;

  MenuItem mnuMainTool{"mnuMainTool", "工具(&T)", kSub};
  MenuItem mnuMainToolHistoryClearExplorer{"mnuMainToolHistoryClearExplorer", "清除所有历史记录"};
  MenuItem mnuLinekibf{"mnuLinekibf", "-"};
  MenuItem mnuMainToolSearch{"mnuMainToolSearch", "选择搜索引擎", kSub};
  ControlArray<MenuItem> mnuMainToolSearchType;
  MenuItem mnuMainToolApp{"mnuMainToolApp", "系统实用工具", kSub};
  MenuItem mnuMainToolEXENotepad{"mnuMainToolEXENotepad", "记事本"};
  MenuItem mnuMainToolEXECalc{"mnuMainToolEXECalc", "计算器"};
  MenuItem mnuMainToolEXEExplorer{"mnuMainToolEXEExplorer", "资源浏览器"};
  MenuItem mnuLinekdiggg{"mnuLinekdiggg", "-"};
  MenuItem mnuMainToolInternetOption{"mnuMainToolInternetOption", "Internet 选项"};

  MenuItem mnuMainHelp{"mnuMainHelp", "帮助(&H)", kSub};
  MenuItem mnuMainHelpSoftPage{"mnuMainHelpSoftPage", "浏览器主页(&H)"};
  MenuItem mnuLinekop{"mnuLinekop", "-"};
  MenuItem mnuMainHelpAbout{"mnuMainHelpAbout", "关于Lumetta (&A)..."};
};

}  // namespace lumetta
