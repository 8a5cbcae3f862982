#pragma once
// The comparison progress picture: 0..100 draws a filled bar of that share of the width;
// a negative value moves an 8-pixel block one step back and forth across it, for a set
// whose length is not known.
#include <QWidget>

namespace quorvane::ui {

class ScanBar : public QWidget {
  Q_OBJECT
 public:
  static constexpr int kBlockWidth = 8;
  static constexpr int kBlockStep = 4;

  explicit ScanBar(QWidget* parent = nullptr);

  void setPercent(int percent);
  int percent() const { return percent_; }
  // Left edge of the moving block, in pixels.
  int blockPosition() const { return block_; }
  QSize sizeHint() const override { return {300, 12}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int percent_ = 0;
  int block_ = 0;
  int direction_ = 1;
};

}  // namespace quorvane::ui
