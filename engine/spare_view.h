#pragma once

#include <webkit2/webkit2.h>

namespace lumetta {

// A view with a user content manager of its own, each held by one reference for its taker.
struct FreshView {
  WebKitWebView* view = nullptr;
  WebKitUserContentManager* content_manager = nullptr;
};

// A view for a page's new-window request: it shares the web process, and so the context, of
// `related`, the view of the page that asked.
FreshView RelatedView(WebKitWebView* related);

// Makes the views of main windows on a web context. When it keeps a spare, it makes a view
// ahead, at once and again whenever the last one taken has shown its first page, and starts
// its web process with a script: a window then shows its page without waiting for a process
// to start, and its history holds nothing before that page.
class SpareView {
 public:
  SpareView(WebKitWebContext* context, bool keep_spare);
  ~SpareView();
  SpareView(const SpareView&) = delete;
  SpareView& operator=(const SpareView&) = delete;

  // The spare view when there is one, otherwise a new one.
  FreshView Take();

 private:
  FreshView Make() const;
  void Watch(WebKitWebView* taken);
  void StopWatching();
  static void OnLoadChanged(WebKitWebView* view, WebKitLoadEvent event, gpointer self);
  static gboolean Prepare(gpointer self);

  WebKitWebContext* context_;
  bool keep_spare_;
  FreshView spare_;
  // The view taken last, until its first page has loaded; null once it is gone.
  WebKitWebView* watched_ = nullptr;
  gulong watch_handler_ = 0;
  guint prepare_source_ = 0;
};

}  // namespace lumetta
