#pragma once

#include <glibmm/refptr.h>

#include <cstdint>
#include <optional>
#include <string>

namespace Gtk {
class CssProvider;
class Layout;
class Widget;
}  // namespace Gtk

namespace lumetta {

// Twips to GTK logical pixels: 15 twips make a pixel at 96 dots per inch.
inline constexpr double kTwipsPerPixel = 15.0;
int TwipsToPixels(double twips);
double PixelsToTwips(int pixels);

// One control of a window: its name, type name and index within a control array, its geometry
// in twips relative to its container, and the state every control kind shares. The state lives
// here; the subclasses show it in their widgets. A plain Control has no widget, which is what
// the layout arithmetic needs under test.
class Control {
 public:
  static constexpr int kNoIndex = -1;

  Control(std::string name, std::string type_name, int index = kNoIndex);
  virtual ~Control();
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  const std::string& Name() const { return name_; }
  const std::string& TypeName() const { return type_name_; }
  int Index() const { return index_; }

  double Left() const { return left_; }
  double Top() const { return top_; }
  double Width() const { return width_; }
  double Height() const { return height_; }
  void SetLeft(double left);
  void SetTop(double top);
  // A negative size is refused: the control keeps its size and the call gives false.
  bool SetWidth(double width);
  bool SetHeight(double height);
  void Move(double left, double top, double width, double height);

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  const std::string& ToolTipText() const { return tool_tip_; }
  void SetToolTipText(const std::string& text);
  const std::string& Tag() const { return tag_; }
  void SetTag(const std::string& tag) { tag_ = tag; }
  // Background colour in the layout 0x00BBGGRR; none until one is set.
  std::optional<std::uint32_t> BackColor() const { return back_color_; }
  void SetBackColor(std::uint32_t color);

  virtual Gtk::Widget* Widget() { return nullptr; }

  // Puts the control's widget into its container at the control's geometry.
  void PlaceIn(Gtk::Layout& container);

 protected:
  virtual void ApplyCaption() {}
  virtual void ApplyToolTip();
  virtual void ApplyBackColor();
  // Paints the background of `widget`'s own node in `color`, over the theme and any skin,
  // through `style`, which is made on first use.
  static void PaintBackColor(Gtk::Widget& widget, std::uint32_t color,
                             Glib::RefPtr<Gtk::CssProvider>& style);
  // Called once the widget exists, to show the state set so far.
  void ApplyAll();

 private:
  void ApplyGeometry();
  void ApplyEnabled();
  void ApplyVisible();

  std::string name_;
  std::string type_name_;
  int index_;
  double left_ = 0;
  double top_ = 0;
  double width_ = 0;
  double height_ = 0;
  bool enabled_ = true;
  bool visible_ = true;
  std::string caption_;
  std::string tool_tip_;
  std::string tag_;
  std::optional<std::uint32_t> back_color_;
  Glib::RefPtr<Gtk::CssProvider> back_color_style_;
  Gtk::Layout* container_ = nullptr;
};

}  // namespace lumetta
