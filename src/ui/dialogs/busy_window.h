#pragma once
// The small busy window of long passes over the file list: borderless, on top, taking no
// input; one line of text over a bar made of two shapes, the filled part (Shape1) over
// the full width (Shape2).
#include <QWidget>
#include <string_view>

class QFrame;
class QLabel;

namespace quorvane::ui {

class BusyWindow : public QWidget {
  Q_OBJECT
 public:
  static constexpr int kBarWidth = 260;

  explicit BusyWindow(QWidget* parent = nullptr);

  void showText(std::string_view text);  // shows it with the text and an empty bar
  void setText(std::string_view text);
  void setBar(int percent);              // 0..100; the filled width is the full width x percent / 100
  int filledWidth() const;

 private:
  QLabel* label_;
  QFrame* shape1_;
  QFrame* shape2_;
};

}  // namespace quorvane::ui
