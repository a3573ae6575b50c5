#include "engine/printing/print_job.h"

#include <fcntl.h>
#include <glib/gstdio.h>
#include <unistd.h>

#include <cerrno>
#include <deque>
#include <memory>

#include "platform/message_box.h"
#include "platform/platform.h"

namespace lumetta {

namespace {

struct PrintJob {
  PrintJob(WebKitWebView* view, PrintDone done)
      : view(WEBKIT_WEB_VIEW(g_object_ref(view))),
        operation(webkit_print_operation_new(view)),
        done(std::move(done)) {}
  ~PrintJob() {
    g_signal_handlers_disconnect_by_data(operation, this);
    g_object_unref(operation);
    g_object_unref(view);
  }
  PrintJob(const PrintJob&) = delete;
  PrintJob& operator=(const PrintJob&) = delete;

  WebKitWebView* view;
  WebKitPrintOperation* operation;
  PrintDone done;
  // The file the user asked for and the temporary file the engine writes instead.
  std::string target;
  std::string temporary;
  std::string error;
  bool failed = false;
};

// Points the output of a print to a file at a new temporary file beside it. Gives false when
// the folder takes no new file, which the print itself would have failed on as well.
bool RedirectToTemporary(PrintJob& job, const Glib::RefPtr<Gtk::PrintSettings>& settings) {
  if (settings->get_printer() != FilePrinterName()) return true;
  const std::string uri = settings->get(GTK_PRINT_SETTINGS_OUTPUT_URI);
  gchar* path = g_filename_from_uri(uri.c_str(), nullptr, nullptr);
  if (path == nullptr) return true;
  job.target = path;
  gchar* dir = g_path_get_dirname(path);
  g_free(path);
  job.temporary = std::string(dir) + "/.lumetta-print-XXXXXX";
  g_free(dir);
  const int fd = g_mkstemp_full(job.temporary.data(), O_WRONLY | O_CLOEXEC, 0666);
  if (fd < 0) {
    job.error = g_strerror(errno);
    return false;
  }
  close(fd);
  gchar* temporary_uri = g_filename_to_uri(job.temporary.c_str(), nullptr, nullptr);
  settings->set(GTK_PRINT_SETTINGS_OUTPUT_URI, temporary_uri);
  g_free(temporary_uri);
  return true;
}

void OnFailed(WebKitPrintOperation*, GError* error, gpointer data) {
  auto* job = static_cast<PrintJob*>(data);
  job->failed = true;
  job->error = error != nullptr && error->message != nullptr ? error->message : "";
}

// The prints of one view run one after the other: the engine lays the page out for one print at
// a time. A print cannot start on a view that has been destroyed.
struct PrintQueue {
  std::deque<PrintJob*> jobs;
  bool view_destroyed = false;
};
constexpr char kQueueKey[] = "lumetta-print-queue";

PrintQueue& QueueOf(WebKitWebView* view) {
  auto* queue = static_cast<PrintQueue*>(g_object_get_data(G_OBJECT(view), kQueueKey));
  if (queue == nullptr) {
    queue = new PrintQueue;
    g_object_set_data_full(G_OBJECT(view), kQueueKey, queue,
                           [](gpointer data) { delete static_cast<PrintQueue*>(data); });
    g_signal_connect(view, "destroy", G_CALLBACK(+[](GtkWidget*, gpointer data) {
                       static_cast<PrintQueue*>(data)->view_destroyed = true;
                     }),
                     queue);
  }
  return *queue;
}

void OnFinished(WebKitPrintOperation*, gpointer data);

void Start(PrintJob* job) {
  if (QueueOf(job->view).view_destroyed) {
    job->failed = true;
    OnFinished(job->operation, job);
    return;
  }
  webkit_print_operation_print(job->operation);
}

void OnFinished(WebKitPrintOperation*, gpointer data) {
  const std::unique_ptr<PrintJob> job(static_cast<PrintJob*>(data));
  std::deque<PrintJob*>& jobs = QueueOf(job->view).jobs;
  jobs.pop_front();
  if (!jobs.empty()) Start(jobs.front());
  // The engine reports a print cut short by the view's end as finished, with an empty file.
  if (QueueOf(job->view).view_destroyed) job->failed = true;
  if (!job->temporary.empty()) {
    GStatBuf written;
    if (!job->failed && (g_stat(job->temporary.c_str(), &written) != 0 || written.st_size == 0)) {
      job->failed = true;
    }
    if (!job->failed && g_rename(job->temporary.c_str(), job->target.c_str()) != 0) {
      job->failed = true;
      job->error = g_strerror(errno);
    }
    if (job->failed) g_unlink(job->temporary.c_str());
  }
  job->done(!job->failed, job->error);
}

}  // namespace

std::string FilePrinterName() {
  // GTK names the printer in the user's language, from its own translations.
  return g_dgettext("gtk30", "Print to File");
}

void ReportPrintFailure(const std::string& error) {
  if (MessageBox* message_box = ThePlatform().message_box) {
    message_box->Show("无法打印此网页。" + (error.empty() ? "" : "\n\n" + error),
                      kMbOk | kMbIconCritical, "打印");
  }
}

void PrintPage(WebKitWebView* view, const Glib::RefPtr<Gtk::PageSetup>& page_setup,
               const Glib::RefPtr<Gtk::PrintSettings>& settings, PrintDone done) {
  auto job = std::make_unique<PrintJob>(view, std::move(done));
  const Glib::RefPtr<Gtk::PrintSettings> own_settings = settings->copy();
  if (!RedirectToTemporary(*job, own_settings)) {
    job->done(false, job->error);
    return;
  }
  webkit_print_operation_set_page_setup(job->operation, page_setup->gobj());
  webkit_print_operation_set_print_settings(job->operation, own_settings->gobj());
  g_signal_connect(job->operation, "failed", G_CALLBACK(&OnFailed), job.get());
  g_signal_connect(job->operation, "finished", G_CALLBACK(&OnFinished), job.get());
  std::deque<PrintJob*>& jobs = QueueOf(view).jobs;
  jobs.push_back(job.release());
  if (jobs.size() == 1) Start(jobs.front());
}

}  // namespace lumetta
