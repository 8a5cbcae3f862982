#pragma once
// The area below the set labels: the results grid, and while the grid is hidden the
// window's background picture, tiled.
#include <QPixmap>
#include <QWidget>

namespace quorvane::ui {

class ResultsArea : public QWidget {
  Q_OBJECT

 public:
  explicit ResultsArea(QWidget* parent = nullptr);
  // The one child shown over the picture when visible, stretched over the area.
  void setContent(QWidget* content);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  QPixmap tile_;
  QWidget* content_ = nullptr;
};

// The background tile: drawn here, so that it needs no file.
QPixmap BackgroundTile();

}  // namespace quorvane::ui
