#include "engine/page_commands/save_page.h"

#include <glib/gstdio.h>

#include <cerrno>
#include <memory>
#include <optional>

#include "engine/page_commands/mhtml_subject.h"
#include "platform/file_io.h"
#include "platform/message_box.h"
#include "platform/platform.h"

namespace lumetta {

namespace {

// Runs in a script world of our own, where the page's scripts cannot replace innerText.
constexpr char kScriptWorld[] = "lumetta";
constexpr char kTextScript[] =
    "(function () {"
    "  var root = document.body || document.documentElement;"
    "  return root ? (root.innerText || root.textContent || '') : '';"
    "})()";

struct SaveJob {
  SaveJob(WebKitWebView* view, std::string path, SaveType type)
      : view(WEBKIT_WEB_VIEW(g_object_ref(view))), path(std::move(path)), type(type) {
    const char* page_title = webkit_web_view_get_title(view);
    title = page_title != nullptr ? page_title : "";
    g_signal_connect(view, "destroy", G_CALLBACK(+[](GtkWidget*, gpointer job) {
                       static_cast<SaveJob*>(job)->view_destroyed = true;
                     }),
                     this);
  }
  ~SaveJob() {
    g_signal_handlers_disconnect_by_data(view, this);
    g_object_unref(view);
  }
  SaveJob(const SaveJob&) = delete;
  SaveJob& operator=(const SaveJob&) = delete;

  WebKitWebView* view;
  std::string path;
  SaveType type;
  std::string title;
  // The engine hands over what it has of a destroyed view, which may be nothing at all.
  bool view_destroyed = false;
};

void ReportWriteError(const std::string& path, int error) {
  MessageBox* message_box = ThePlatform().message_box;
  if (message_box == nullptr) return;
  gchar* name = g_filename_display_name(path.c_str());
  const std::string prompt = std::string("无法保存文件“") + name + "”。\n\n" + g_strerror(error);
  g_free(name);
  message_box->Show(prompt, kMbOk | kMbIconCritical, "另存为");
}

// Ends the job: writes what was fetched, if anything.
void Finish(SaveJob* job, const std::optional<std::string>& content) {
  const std::unique_ptr<SaveJob> owned(job);
  if (!content || job->view_destroyed) return;
  // A file saved over keeps its permissions.
  GStatBuf existing;
  const std::optional<mode_t> mode = g_stat(job->path.c_str(), &existing) == 0
                                         ? std::optional<mode_t>(existing.st_mode)
                                         : std::nullopt;
  if (!ReplaceFile(job->path, *content, mode)) ReportWriteError(job->path, errno);
}

std::optional<std::string> ReadAll(GInputStream* stream) {
  std::string content;
  char chunk[1 << 16];
  while (true) {
    const gssize n = g_input_stream_read(stream, chunk, sizeof chunk, nullptr, nullptr);
    if (n < 0) return std::nullopt;
    if (n == 0) return content;
    content.append(chunk, static_cast<size_t>(n));
  }
}

void OnArchive(GObject* view, GAsyncResult* result, gpointer data) {
  auto* job = static_cast<SaveJob*>(data);
  GInputStream* stream = webkit_web_view_save_finish(WEBKIT_WEB_VIEW(view), result, nullptr);
  std::optional<std::string> content;
  if (stream != nullptr) {
    content = ReadAll(stream);
    g_object_unref(stream);
  }
  if (content) content = WithMhtmlSubject(*content, job->title);
  Finish(job, content);
}

void OnDocument(GObject* resource, GAsyncResult* result, gpointer data) {
  gsize length = 0;
  guchar* bytes =
      webkit_web_resource_get_data_finish(WEBKIT_WEB_RESOURCE(resource), result, &length, nullptr);
  std::optional<std::string> content;
  if (bytes != nullptr) content.emplace(reinterpret_cast<const char*>(bytes), length);
  g_free(bytes);
  Finish(static_cast<SaveJob*>(data), content);
}

void OnText(GObject* view, GAsyncResult* result, gpointer data) {
  JSCValue* value =
      webkit_web_view_evaluate_javascript_finish(WEBKIT_WEB_VIEW(view), result, nullptr);
  std::optional<std::string> content;
  if (value != nullptr && jsc_value_is_string(value)) {
    gchar* text = jsc_value_to_string(value);
    content = text;
    g_free(text);
  }
  if (value != nullptr) g_object_unref(value);
  Finish(static_cast<SaveJob*>(data), content);
}

}  // namespace

void SavePage(WebKitWebView* view, const std::string& path, SaveType type) {
  auto* job = new SaveJob(view, path, type);
  switch (type) {
    case SaveType::kWebArchive:
      webkit_web_view_save(view, WEBKIT_SAVE_MODE_MHTML, nullptr, &OnArchive, job);
      return;
    case SaveType::kHtml: {
      WebKitWebResource* resource = webkit_web_view_get_main_resource(view);
      if (resource == nullptr) return Finish(job, std::nullopt);
      webkit_web_resource_get_data(resource, nullptr, &OnDocument, job);
      return;
    }
    case SaveType::kText:
      webkit_web_view_evaluate_javascript(view, kTextScript, -1, kScriptWorld, nullptr, nullptr,
                                          &OnText, job);
      return;
  }
}

}  // namespace lumetta
