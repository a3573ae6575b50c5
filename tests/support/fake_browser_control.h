#pragma once

#include <gtkmm/drawingarea.h>

#include <memory>
#include <string>
#include <vector>

#include "app/browser_control.h"

namespace lumetta::test {

// A browser control that records what the window asks of it; tests raise its events by hand.
class FakeBrowserControl : public BrowserControl {
 public:
  FakeBrowserControl() { area_.set_can_focus(true); }

  Gtk::Widget& GetWidget() override { return area_; }
  bool Navigate(const std::string& url) override {
    calls.push_back("Navigate " + url);
    return true;
  }
  bool GoBack() override { return Record("GoBack"); }
  bool GoForward() override { return Record("GoForward"); }
  bool Refresh() override { return Record("Refresh"); }
  bool Stop() override { return Record("Stop"); }
  bool RunBookmarklet(const std::string& url) override { return Record("RunBookmarklet " + url); }
  // The page commands, recorded by name; Print and SetTextSize with their argument.
  bool SaveAs() override { return Command("SaveAs"); }
  bool PageSetup() override { return Command("PageSetup"); }
  bool Print(bool prompt) override { return Command(prompt ? "Print prompt" : "Print"); }
  bool PrintPreview() override { return Command("PrintPreview"); }
  bool ShowProperties() override { return Command("ShowProperties"); }
  bool Edit(EditCommand command) override;
  bool SetTextSize(int32_t level) override {
    return Command("SetTextSize " + std::to_string(level));
  }
  int32_t TextSize() const override { return 2; }
  bool Find() override { return Command("Find"); }
  void SetSilent(bool value) override { silent = value; }
  bool Silent() const override { return silent; }
  void SetOffline(bool value) override { offline = value; }
  bool Offline() const override { return offline; }
  std::string LocationName() const override { return location_name; }
  std::string LocationURL() const override { return location_url; }
  void GrabFocus() override { area_.grab_focus(); }
  // Recorded as "SetBodyStyleCssText css_text" and "GetDocumentElementInnerHTML".
  Status SetBodyStyleCssText(const std::string& css_text) override {
    calls.push_back("SetBodyStyleCssText " + css_text);
    return document_status;
  }
  Status GetDocumentElementInnerHTML(std::string& markup) override {
    calls.push_back("GetDocumentElementInnerHTML");
    if (!document_status.Failed()) markup = document_markup;
    return document_status;
  }
  std::unique_ptr<BrowserControl> CreateRelated() override {
    return std::make_unique<FakeBrowserControl>();
  }

  // The Navigate calls' addresses, in order.
  std::vector<std::string> Navigations() const;

  std::vector<std::string> calls;
  bool silent = false;
  bool offline = false;
  // What the page commands answer.
  bool commands_succeed = true;
  std::string location_name;
  std::string location_url;
  // What the document calls answer.
  Status document_status;
  std::string document_markup;

 private:
  bool Record(const std::string& call) {
    calls.push_back(call);
    return true;
  }
  bool Command(const std::string& call) {
    calls.push_back(call);
    return commands_succeed;
  }

  Gtk::DrawingArea area_;
};

// Makes fake controls and keeps track of them for the test.
class FakeControlFactory : public BrowserControlFactory {
 public:
  std::unique_ptr<BrowserControl> Create() override;
  // The controls made so far; they live as long as their windows.
  std::vector<FakeBrowserControl*> made;
};

}  // namespace lumetta::test
