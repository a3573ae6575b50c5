#pragma once

#include <functional>
#include <memory>
#include <string>

namespace lumetta {

// Message-box styles: one button set plus at most one icon.
inline constexpr int kMbOk = 0;
inline constexpr int kMbYesNo = 4;
inline constexpr int kMbIconCritical = 16;
inline constexpr int kMbIconQuestion = 32;
inline constexpr int kMbIconExclamation = 48;
inline constexpr int kMbIconInformation = 64;

// Answers: the button the user chose.
inline constexpr int kIdOk = 1;
inline constexpr int kIdYes = 6;
inline constexpr int kIdNo = 7;

// The title of a message box shown without one.
inline constexpr char kDefaultMessageBoxTitle[] = "琉梅塔";

// A modal message box: shows `prompt`, waits for a button and gives the answer.
class MessageBox {
 public:
  MessageBox() = default;
  MessageBox(const MessageBox&) = delete;
  MessageBox& operator=(const MessageBox&) = delete;
  virtual ~MessageBox() = default;

  // An empty `title` shows kDefaultMessageBoxTitle.
  virtual int Show(const std::string& prompt, int style, const std::string& title) = 0;
};

// A message box as a modal Gtk::MessageDialog over the active window.
class GtkMessageBox : public MessageBox {
 public:
  // Makes an object that is held for as long as a dialog runs its nested main loop: the layer
  // that keeps the books on nested loops hands in its marker. Without one the loop simply runs.
  using NestedLoopGuard = std::function<std::shared_ptr<void>()>;

  explicit GtkMessageBox(NestedLoopGuard nested_loop_guard = {});

  int Show(const std::string& prompt, int style, const std::string& title) override;

 private:
  NestedLoopGuard nested_loop_guard_;
};

}  // namespace lumetta
