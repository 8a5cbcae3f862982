#pragma once
// The top panel above the grid: "New : " and "Old : " in bold, each followed by its set's
// label, placed side by side above the New and Old columns or one above the other.
#include <QRect>
#include <QWidget>

class QLabel;

namespace quorvane::ui {

class SetLabelsPanel : public QWidget {
  Q_OBJECT

 public:
  explicit SetLabelsPanel(QWidget* parent = nullptr);

  void setTexts(const QString& newLabel, const QString& oldLabel);
  QString text(bool newSide) const;
  // Places the two label panels (in this widget's coordinates) in a panel of that height.
  void place(const QRect& newPanel, const QRect& oldPanel, int height);
  // The height of one label line.
  int lineHeight() const;

 private:
  QWidget* newPanel_;
  QWidget* oldPanel_;
  QLabel* newText_;
  QLabel* oldText_;
};

}  // namespace quorvane::ui
