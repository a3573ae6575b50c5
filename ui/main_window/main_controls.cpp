#include "ui/main_window/main_controls.h"

#include "ui/controls/form.h"

namespace lumetta {

MainControls::MainControls(BrowserControl& control) : webMain("webMain", control) {}

void MainControls::Build(Form& form, Controls& controls) {
  auto record = [&controls](Control& control) { controls.Add(control); };
  auto button = [&](int index, const char* icon, int size, double left, double top, const char* tip,
                    PictureBox& bar) {
    ImageButton& b = imgToolBar.Load(index, "imgToolBar", icon, size);
    b.Move(left, top, size * kTwipsPerPixel, size * kTwipsPerPixel);
    b.SetToolTipText(tip);
    bar.Add(b);
    record(b);
  };

  record(Skin1);

  picMainWeb.Move(135, 630, 6360, 5595);
  picMainWeb.SetToolTipText("双击退出该窗口");
  form.Add(picMainWeb);
  record(picMainWeb);

  picMainWeb.Add(webMain);
  record(webMain);

  picMainToolBar.Move(0, 0, 13515, 465);
  form.Add(picMainToolBar);
  record(picMainToolBar);

  picBar1.Move(1260, 0, 6720, 420);
  picMainToolBar.Add(picBar1);
  record(picBar1);

  txtURL.Move(45, 30, 5775, 285);
  picBar1.Add(txtURL);
  record(txtURL);

  button(kToolStop, "process-stop-symbolic", 16, 6390, 45, "停止", picBar1);
  button(kToolRefresh, "view-refresh-symbolic", 16, 6030, 45, "刷新 F5", picBar1);

  picBar2.Move(8055, 0, 4020, 420);
  picMainToolBar.Add(picBar2);
  record(picBar2);

  txtSearch.Move(90, 30, 3120, 285);
  txtSearch.SetText("百度搜索");
  picBar2.Add(txtSearch);
  record(txtSearch);

  button(kToolSearchEngines, "pan-down-symbolic", 13, 3690, 60, "选择搜索引擎", picBar2);
  button(kToolSearch, "edit-find-symbolic", 16, 3285, 45, "搜索", picBar2);
  button(kToolHome, "go-home-symbolic", 16, 135, 90, "主页", picMainToolBar);
  button(kToolForward, "go-next-symbolic", 16, 960, 90, "前进", picMainToolBar);
  button(kToolBack, "go-previous-symbolic", 16, 570, 90, "返回", picMainToolBar);
}

}  // namespace lumetta
