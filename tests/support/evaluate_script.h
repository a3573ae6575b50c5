#pragma once

// For the engine test program only: it includes WebKit.
#include <gtkmm/widget.h>
#include <webkit2/webkit2.h>

#include <optional>
#include <string>

#include "tests/support/wait.h"

namespace lumetta::test {

// Runs `script` in the page of the view `widget` and gives its value as text; nothing when
// it failed or gave no answer in time.
inline std::optional<std::string> EvaluateScript(Gtk::Widget& widget, const std::string& script) {
  struct Result {
    bool done = false;
    bool abandoned = false;
    std::optional<std::string> text;
  };
  auto* result = new Result;
  webkit_web_view_evaluate_javascript(
      WEBKIT_WEB_VIEW(widget.gobj()), script.c_str(), -1, nullptr, nullptr, nullptr,
      [](GObject* view, GAsyncResult* async, gpointer data) {
        auto* result = static_cast<Result*>(data);
        if (JSCValue* value =
                webkit_web_view_evaluate_javascript_finish(WEBKIT_WEB_VIEW(view), async, nullptr)) {
          char* text = jsc_value_to_string(value);
          result->text = text;
          g_free(text);
          g_object_unref(value);
        }
        result->done = true;
        if (result->abandoned) delete result;
      },
      result);
  if (!WaitUntil([result] { return result->done; })) {
    result->abandoned = true;
    return std::nullopt;
  }
  const std::optional<std::string> text = result->text;
  delete result;
  return text;
}

}  // namespace lumetta::test
