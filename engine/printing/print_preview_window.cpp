#include "engine/printing/print_preview_window.h"

#include <glib/gstdio.h>
#include <glibmm/main.h>
#include <poppler.h>

#include <algorithm>
#include <cmath>

#include "engine/printing/print_job.h"
#include "engine/printing/print_setup.h"

namespace lumetta {

namespace {

constexpr int kGap = 16;
constexpr double kPixelsPerPoint = 96.0 / 72.0;

// Zoom choices: a percentage, or 0 to fit the whole page, -1 to fit the page's width.
struct Zoom {
  const char* caption;
  int percent;
};
constexpr Zoom kZooms[] = {{"整页", 0},   {"页宽", -1},  {"50%", 50},  {"75%", 75},
                           {"100%", 100}, {"150%", 150}, {"200%", 200}};

std::string PageSetupText(const Glib::RefPtr<Gtk::PageSetup>& page_setup) {
  Glib::KeyFile file;
  page_setup->save_to_key_file(file);
  return file.to_data();
}

void RemoveFolder(const std::string& folder) {
  if (GDir* dir = g_dir_open(folder.c_str(), 0, nullptr)) {
    while (const char* name = g_dir_read_name(dir)) {
      g_unlink((folder + "/" + name).c_str());
    }
    g_dir_close(dir);
  }
  g_rmdir(folder.c_str());
}

}  // namespace

PrintPreviewWindow::PrintPreviewWindow(WebKitWebView* view, Gtk::Window* parent)
    : view_(WEBKIT_WEB_VIEW(g_object_ref(view))) {
  set_title("打印预览");
  set_default_size(820, 900);
  if (parent != nullptr) {
    set_transient_for(*parent);
    set_position(Gtk::WIN_POS_CENTER_ON_PARENT);
  }
  gchar* dir = g_dir_make_tmp("lumetta-preview-XXXXXX", nullptr);
  if (dir != nullptr) temp_dir_ = dir;
  g_free(dir);
  // The engine prints while the window is being built.
  Render();
  BuildControls();
  show_all();
}

PrintPreviewWindow::~PrintPreviewWindow() {
  if (document_ != nullptr) g_object_unref(document_);
  if (!temp_dir_.empty()) RemoveFolder(temp_dir_);
  g_object_unref(view_);
}

void PrintPreviewWindow::BuildControls() {
  bar_.set_border_width(6);
  bar_.pack_start(print_, Gtk::PACK_SHRINK);
  bar_.pack_start(setup_, Gtk::PACK_SHRINK);
  bar_.pack_start(previous_, Gtk::PACK_SHRINK);
  bar_.pack_start(next_, Gtk::PACK_SHRINK);
  bar_.pack_start(page_label_, Gtk::PACK_SHRINK);
  for (const Zoom& zoom : kZooms) zoom_.append(zoom.caption);
  zoom_.set_active(0);
  bar_.pack_start(zoom_, Gtk::PACK_SHRINK);
  bar_.pack_end(close_, Gtk::PACK_SHRINK);
  page_label_.set_name("preview-page-label");
  area_.set_name("preview-page");
  scroller_.add(area_);
  layout_.pack_start(bar_, Gtk::PACK_SHRINK);
  layout_.pack_start(scroller_, Gtk::PACK_EXPAND_WIDGET);
  add(layout_);

  print_.signal_clicked().connect([this] {
    const char* title = webkit_web_view_get_title(view_);
    print_dialog_.Show(this, title != nullptr ? title : "", [this] { OnPrintAccepted(); });
  });
  setup_.signal_clicked().connect([this] { page_setup_dialog_.Show(this, [this] { Render(); }); });
  previous_.signal_clicked().connect([this] { ShowPage(page_ - 1); });
  next_.signal_clicked().connect([this] { ShowPage(page_ + 1); });
  zoom_.signal_changed().connect([this] { PaintPage(); });
  close_.signal_clicked().connect([this] { Close(); });
  // The fitting zooms follow the window's size, once its layout is done.
  scroller_.signal_size_allocate().connect([this](Gtk::Allocation&) {
    Glib::signal_idle().connect_once(sigc::mem_fun(*this, &PrintPreviewWindow::PaintPage));
  });
  area_.signal_draw().connect(sigc::mem_fun(*this, &PrintPreviewWindow::OnDraw));
}

std::string PrintPreviewWindow::PdfPath(int generation) const {
  return temp_dir_ + "/preview-" + std::to_string(generation) + ".pdf";
}

void PrintPreviewWindow::Render() {
  const int generation = ++generation_;
  page_label_.set_text("正在准备打印预览...");
  if (temp_dir_.empty()) {
    page_label_.set_text("无法准备打印预览：没有临时文件夹。");
    return;
  }
  const Glib::RefPtr<Gtk::PrintSettings> settings = PrintSetup::Get().Settings()->copy();
  // The preview shows every page once, as laid out for the paper; the printer does not count.
  settings->set_printer(FilePrinterName());
  settings->set(GTK_PRINT_SETTINGS_OUTPUT_FILE_FORMAT, "pdf");
  settings->set_print_pages(Gtk::PRINT_PAGES_ALL);
  settings->set_n_copies(1);
  gchar* uri = g_filename_to_uri(PdfPath(generation).c_str(), nullptr, nullptr);
  settings->set(GTK_PRINT_SETTINGS_OUTPUT_URI, uri);
  g_free(uri);
  PrintPage(view_, PrintSetup::Get().PageSetup(), settings,
            sigc::bind(sigc::mem_fun(*this, &PrintPreviewWindow::OnRendered), generation));
}

void PrintPreviewWindow::OnRendered(bool printed, const std::string& error, int generation) {
  const std::string path = PdfPath(generation);
  if (generation != generation_) {
    g_unlink(path.c_str());
    return;
  }
  PopplerDocument* document = nullptr;
  GError* open_error = nullptr;
  if (printed) {
    gchar* uri = g_filename_to_uri(path.c_str(), nullptr, nullptr);
    document = poppler_document_new_from_file(uri, nullptr, &open_error);
    g_free(uri);
  }
  if (document == nullptr || poppler_document_get_n_pages(document) == 0) {
    const std::string reason = printed ? (open_error ? open_error->message : "") : error;
    page_label_.set_text("无法准备打印预览" + (reason.empty() ? "。" : "：" + reason));
    if (open_error != nullptr) g_error_free(open_error);
    if (document != nullptr) g_object_unref(document);
    g_unlink(path.c_str());
    return;
  }
  if (document_ != nullptr) g_object_unref(document_);
  if (!pdf_path_.empty()) g_unlink(pdf_path_.c_str());
  document_ = document;
  pdf_path_ = path;
  painted_scale_ = 0;
  ShowPage(page_);
}

void PrintPreviewWindow::OnPrintAccepted() {
  const std::string before = PageSetupText(PrintSetup::Get().PageSetup());
  PrintPage(view_, PrintSetup::Get().PageSetup(), PrintSetup::Get().Settings(),
            sigc::mem_fun(*this, &PrintPreviewWindow::OnPrinted));
  // The print dialog has a page-setup tab of its own.
  if (PageSetupText(PrintSetup::Get().PageSetup()) != before) Render();
}

void PrintPreviewWindow::OnPrinted(bool printed, const std::string& error) {
  if (!printed) ReportPrintFailure(error);
}

void PrintPreviewWindow::ShowPage(int index) {
  if (document_ == nullptr) return;
  const int count = poppler_document_get_n_pages(document_);
  page_ = std::clamp(index, 0, count - 1);
  page_label_.set_text("第 " + std::to_string(page_ + 1) + " 页，共 " + std::to_string(count) +
                       " 页");
  previous_.set_sensitive(page_ > 0);
  next_.set_sensitive(page_ + 1 < count);
  painted_scale_ = 0;
  PaintPage();
}

double PrintPreviewWindow::Scale() const {
  PopplerPage* page = poppler_document_get_page(document_, page_);
  double width = 1;
  double height = 1;
  poppler_page_get_size(page, &width, &height);
  g_object_unref(page);
  const int percent = kZooms[std::max(zoom_.get_active_row_number(), 0)].percent;
  if (percent > 0) return percent / 100.0 * kPixelsPerPoint;
  const double room_width = std::max(scroller_.get_allocated_width() - 2 * kGap - 20, 50);
  const double room_height = std::max(scroller_.get_allocated_height() - 2 * kGap, 50);
  const double fit_width = room_width / width;
  return percent < 0 ? fit_width : std::min(fit_width, room_height / height);
}

// Renders the current page once for its scale; drawing then only copies the picture.
void PrintPreviewWindow::PaintPage() {
  if (document_ == nullptr) return;
  const double scale = Scale();
  if (std::abs(scale - painted_scale_) < 1e-3 && page_image_) return;
  painted_scale_ = scale;
  PopplerPage* page = poppler_document_get_page(document_, page_);
  double width = 0;
  double height = 0;
  poppler_page_get_size(page, &width, &height);
  const int device_scale = get_scale_factor();
  const int pixel_width = static_cast<int>(std::ceil(width * scale));
  const int pixel_height = static_cast<int>(std::ceil(height * scale));
  page_image_ = Cairo::ImageSurface::create(Cairo::FORMAT_RGB24, pixel_width * device_scale,
                                            pixel_height * device_scale);
  cairo_surface_set_device_scale(page_image_->cobj(), device_scale, device_scale);
  const auto cr = Cairo::Context::create(page_image_);
  cr->set_source_rgb(1, 1, 1);
  cr->paint();
  cr->scale(scale, scale);
  poppler_page_render(page, cr->cobj());
  g_object_unref(page);
  area_.set_size_request(pixel_width + 2 * kGap, pixel_height + 2 * kGap);
  area_.queue_draw();
}

bool PrintPreviewWindow::OnDraw(const Cairo::RefPtr<Cairo::Context>& cr) {
  cr->set_source_rgb(0.5, 0.5, 0.5);
  cr->paint();
  if (!page_image_ || document_ == nullptr) return true;
  const int device_scale = get_scale_factor();
  const int width = page_image_->get_width() / device_scale;
  const int height = page_image_->get_height() / device_scale;
  const int x = std::max(kGap, (area_.get_allocated_width() - width) / 2);
  const int y = std::max(kGap, (area_.get_allocated_height() - height) / 2);
  cr->set_source_rgba(0, 0, 0, 0.4);
  cr->rectangle(x + 4, y + 4, width, height);
  cr->fill();
  cr->set_source(page_image_, x, y);
  cr->paint();
  cr->set_source_rgb(0.2, 0.2, 0.2);
  cr->set_line_width(1);
  cr->rectangle(x - 0.5, y - 0.5, width + 1, height + 1);
  cr->stroke();
  return true;
}

bool PrintPreviewWindow::on_delete_event(GdkEventAny*) {
  Close();
  return true;
}

bool PrintPreviewWindow::on_key_press_event(GdkEventKey* event) {
  switch (event->keyval) {
    case GDK_KEY_Escape:
      Close();
      return true;
    case GDK_KEY_Page_Up:
      ShowPage(page_ - 1);
      return true;
    case GDK_KEY_Page_Down:
      ShowPage(page_ + 1);
      return true;
    default:
      return Gtk::Window::on_key_press_event(event);
  }
}

void PrintPreviewWindow::Close() {
  page_setup_dialog_.Close();
  print_dialog_.Close();
  hide();
  Closed.emit();
}

}  // namespace lumetta
