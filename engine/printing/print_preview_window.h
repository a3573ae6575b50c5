#pragma once

#include <gtkmm/box.h>
#include <gtkmm/button.h>
#include <gtkmm/comboboxtext.h>
#include <gtkmm/drawingarea.h>
#include <gtkmm/label.h>
#include <gtkmm/scrolledwindow.h>
#include <gtkmm/window.h>
#include <webkit2/webkit2.h>

#include <string>

#include "engine/printing/page_setup_dialog.h"
#include "engine/printing/print_dialog.h"

typedef struct _PopplerDocument PopplerDocument;

namespace lumetta {

// The "打印预览" window of the page in a view: the page printed with the current page setup to
// a temporary PDF, shown a page at a time exactly as it will print. It offers the page count,
// the previous and next page, zoom, "打印..." (prints with the same setup), "页面设置..."
// (changes the setup and prints the preview again) and "关闭". Its temporary files go with it.
class PrintPreviewWindow : public Gtk::Window {
 public:
  PrintPreviewWindow(WebKitWebView* view, Gtk::Window* parent);
  ~PrintPreviewWindow() override;

  // Raised when the user closes the window; the window is hidden and its owner may let it go.
  sigc::signal<void()> Closed;

 protected:
  bool on_delete_event(GdkEventAny* event) override;
  bool on_key_press_event(GdkEventKey* event) override;

 private:
  void BuildControls();
  // Prints the page again into a new temporary PDF.
  void Render();
  // The temporary PDF of the render numbered `generation`.
  std::string PdfPath(int generation) const;
  void OnRendered(bool printed, const std::string& error, int generation);
  void OnPrintAccepted();
  void OnPrinted(bool printed, const std::string& error);
  void ShowPage(int index);
  // Pixels per PDF point for the current zoom and window size.
  double Scale() const;
  void PaintPage();
  bool OnDraw(const Cairo::RefPtr<Cairo::Context>& cr);
  void Close();

  WebKitWebView* view_;
  std::string temp_dir_;
  std::string pdf_path_;
  PopplerDocument* document_ = nullptr;
  int page_ = 0;
  // Numbers the renders, so that one overtaken by a newer one is dropped.
  int generation_ = 0;
  double painted_scale_ = 0;
  Cairo::RefPtr<Cairo::ImageSurface> page_image_;

  Gtk::Box layout_{Gtk::ORIENTATION_VERTICAL};
  Gtk::Box bar_{Gtk::ORIENTATION_HORIZONTAL, 6};
  Gtk::Button print_{"打印(_P)...", true};
  Gtk::Button setup_{"页面设置(_U)...", true};
  Gtk::Button previous_{"上一页(_R)", true};
  Gtk::Button next_{"下一页(_N)", true};
  Gtk::Label page_label_;
  Gtk::ComboBoxText zoom_;
  Gtk::Button close_{"关闭(_C)", true};
  Gtk::ScrolledWindow scroller_;
  Gtk::DrawingArea area_;
  PageSetupDialog page_setup_dialog_;
  PrintDialog print_dialog_;
};

}  // namespace lumetta
