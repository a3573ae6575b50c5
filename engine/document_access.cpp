#include "engine/document_access.h"

#include <memory>

#include "app/do_events.h"
#include "app/resume_next.h"

namespace lumetta {

namespace {

// How long a call waits for the page's answer: enough for the engine to serialise a page of
// several megabytes, or to lay one out again, on a slow machine.
constexpr int kTimeLimitMs = 5000;
// A write that ran just in time may still be on its way back when the limit passes.
constexpr int kLateAnswerMs = 250;

// The functions return null where the document lacks the element. A style written by the
// function itself holds its answer back until the page is laid out and painted again, seconds
// on a very large page; written from a microtask, it is in force before the answer leaves, and
// the answer does not wait for the painting.
constexpr char kSetBodyStyle[] = R"(
if (Date.now() > deadline) throw new Error('the caller stopped waiting');
const body = document.body;
if (!body) return null;
queueMicrotask(() => { body.style.cssText = cssText; });
return true;
)";
constexpr char kReadMarkup[] = R"(
const root = document.documentElement;
return root ? root.innerHTML : null;
)";

Status ObjectNotSet() {
  return {kErrObjectNotSet, "Object variable or With block variable not set"};
}

// Shared by the waiting call and the engine's callback, which can come after the call gave up.
struct Answer {
  ~Answer() {
    g_main_loop_unref(loop);
    if (value != nullptr) g_object_unref(value);
    if (error != nullptr) g_error_free(error);
  }

  GMainLoop* loop = g_main_loop_new(nullptr, FALSE);
  bool answered = false;
  bool timed_out = false;
  JSCValue* value = nullptr;
  GError* error = nullptr;
};

void OnAnswer(GObject* view, GAsyncResult* result, gpointer data) {
  const std::unique_ptr<std::shared_ptr<Answer>> holder(
      static_cast<std::shared_ptr<Answer>*>(data));
  Answer& answer = **holder;
  answer.value = webkit_web_view_call_async_javascript_function_finish(WEBKIT_WEB_VIEW(view),
                                                                       result, &answer.error);
  answer.answered = true;
  g_main_loop_quit(answer.loop);
}

gboolean OnTimeLimit(gpointer data) {
  auto* answer = static_cast<Answer*>(data);
  answer->timed_out = true;
  g_main_loop_quit(answer->loop);
  return G_SOURCE_REMOVE;
}

// Clears the flag of a call when it returns.
class WaitingFlag {
 public:
  explicit WaitingFlag(bool& flag) : flag_(flag) { flag_ = true; }
  ~WaitingFlag() { flag_ = false; }
  WaitingFlag(const WaitingFlag&) = delete;
  WaitingFlag& operator=(const WaitingFlag&) = delete;

 private:
  bool& flag_;
};

}  // namespace

Status DocumentAccess::SetBodyStyleCssText(const std::string& css_text) {
  GVariantDict arguments;
  g_variant_dict_init(&arguments, nullptr);
  g_variant_dict_insert(&arguments, "cssText", "s", css_text.c_str());
  const double deadline = static_cast<double>(g_get_real_time() / 1000 + kTimeLimitMs);
  g_variant_dict_insert(&arguments, "deadline", "d", deadline);
  return Call(kSetBodyStyle, g_variant_dict_end(&arguments), writing_style_, nullptr);
}

Status DocumentAccess::GetDocumentElementInnerHTML(std::string& markup) {
  return Call(kReadMarkup, nullptr, reading_markup_, &markup);
}

Status DocumentAccess::Call(const char* body, GVariant* arguments, bool& waiting,
                            std::string* text) {
  if (arguments != nullptr) g_variant_ref_sink(arguments);
  const std::unique_ptr<GVariant, decltype(&g_variant_unref)> owned_arguments(arguments,
                                                                              &g_variant_unref);
  // A view that has shown nothing yet has no document.
  if (webkit_web_view_get_uri(view_) == nullptr) return ObjectNotSet();
  if (waiting) return {kErrCallRejected, "Call was rejected by callee."};
  const WaitingFlag flag(waiting);

  const auto answer = std::make_shared<Answer>();
  webkit_web_view_call_async_javascript_function(view_, body, -1, arguments, world_, nullptr,
                                                 nullptr, &OnAnswer,
                                                 new std::shared_ptr<Answer>(answer));
  if (!answer->answered) {
    const guint timer = g_timeout_add(kTimeLimitMs + kLateAnswerMs, &OnTimeLimit, answer.get());
    {
      // Windows closed meanwhile, this one's included, go only after the caller has returned.
      const YieldScope yield;
      g_main_loop_run(answer->loop);
    }
    if (!answer->timed_out) g_source_remove(timer);
  }

  if (!answer->answered) {
    return {kErrTimeout, "This operation returned because the timeout period expired."};
  }
  if (answer->error != nullptr) return {kErrScriptFailed, answer->error->message};
  if (jsc_value_is_null(answer->value) || jsc_value_is_undefined(answer->value)) {
    return ObjectNotSet();
  }
  if (text != nullptr) {
    GBytes* bytes = jsc_value_to_string_as_bytes(answer->value);
    gsize size = 0;
    const auto* data = static_cast<const char*>(g_bytes_get_data(bytes, &size));
    text->assign(data != nullptr ? data : "", size);
    g_bytes_unref(bytes);
  }
  return {};
}

}  // namespace lumetta
