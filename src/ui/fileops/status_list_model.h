#pragma once
// The rows of the status list, read from the core's status model when the view paints
// them: no object per row. Column 0 shows the display code's picture and the outcome's
// caption, column 1 the entry's Path.
#include <QAbstractTableModel>
#include <QPixmap>
#include <array>

#include "fileops/status_model.h"

namespace quorvane::ui {

class StatusListModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  explicit StatusListModel(const fileops::FileOpStatusModel& status, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  // Brings the rows in line with the status model: appends the new ones, or starts
  // afresh when the list was emptied. Returns whether rows were appended.
  bool sync();

  // The picture of a display code 0..7: an arrow New to Old (0), Old to New (1), to a
  // target (2, 3), a cross on the side of a deletion or of a move between the sets (4,
  // 5), an arrow to a target with a cross for a move there (6, 7).
  static QPixmap Picture(std::uint8_t displayCode);

 private:
  const fileops::FileOpStatusModel& status_;
  int rows_ = 0;
  std::array<QPixmap, 8> pictures_;
};

}  // namespace quorvane::ui
