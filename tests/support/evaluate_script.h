#pragma once

#include <webkit2/webkit2.h>

#include <memory>
#include <string>

#include "tests/support/wait.h"

namespace lumetta::test {

// Runs `script` in the page of `view` and gives its result as text ("" for none or on failure).
inline std::string EvaluateScript(WebKitWebView* view, const std::string& script) {
  struct Answer {
    std::string text;
    bool done = false;
  };
  // Shared with the callback, which may come after the wait has given up.
  auto answer = std::make_shared<Answer>();
  webkit_web_view_evaluate_javascript(
      view, script.c_str(), -1, nullptr, nullptr, nullptr,
      +[](GObject* source, GAsyncResult* result, gpointer data) {
        const std::unique_ptr<std::shared_ptr<Answer>> answer(
            static_cast<std::shared_ptr<Answer>*>(data));
        if (JSCValue* value = webkit_web_view_evaluate_javascript_finish(WEBKIT_WEB_VIEW(source),
                                                                         result, nullptr)) {
          gchar* text = jsc_value_to_string(value);
          (*answer)->text = text;
          g_free(text);
          g_object_unref(value);
        }
        (*answer)->done = true;
      },
      new std::shared_ptr<Answer>(answer));
  WaitUntil([&] { return answer->done; });
  return answer->text;
}

}  // namespace lumetta::test
