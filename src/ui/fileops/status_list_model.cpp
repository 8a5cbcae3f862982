#include "ui/fileops/status_list_model.h"

#include <QPainter>

#include "ui/dialogs/dialog_texts.h"

namespace quorvane::ui {

namespace {

constexpr int kPictureWidth = 64;
constexpr int kPictureHeight = 16;

void drawArrow(QPainter& p, bool rightwards, const QColor& colour) {
  p.setPen(QPen(colour, 2));
  const int y = kPictureHeight / 2;
  const int from = rightwards ? 6 : kPictureWidth - 6;
  const int to = rightwards ? kPictureWidth - 6 : 6;
  p.drawLine(from, y, to, y);
  const int back = rightwards ? -6 : 6;
  p.drawLine(to, y, to + back, y - 5);
  p.drawLine(to, y, to + back, y + 5);
}

void drawCross(QPainter& p, int x, const QColor& colour) {
  p.setPen(QPen(colour, 2));
  p.drawLine(x - 5, 3, x + 5, kPictureHeight - 3);
  p.drawLine(x - 5, kPictureHeight - 3, x + 5, 3);
}

}  // namespace

StatusListModel::StatusListModel(const fileops::FileOpStatusModel& status, QObject* parent)
    : QAbstractTableModel(parent), status_(status) {
  for (std::uint8_t code = 0; code < pictures_.size(); ++code) pictures_[code] = Picture(code);
}

QPixmap StatusListModel::Picture(std::uint8_t displayCode) {
  QPixmap pixmap(kPictureWidth, kPictureHeight);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  const QColor copy(0, 120, 0), back(0, 0, 160), target(160, 100, 0), removed(190, 0, 0);
  switch (displayCode) {
    case 0: drawArrow(p, true, copy); break;
    case 1: drawArrow(p, false, back); break;
    case 2: drawArrow(p, true, target); break;
    case 3: drawArrow(p, false, target); break;
    case 4: drawCross(p, kPictureWidth / 4, removed); break;       // New side (also a move New to Old)
    case 5: drawCross(p, 3 * kPictureWidth / 4, removed); break;   // Old side (also a move Old to New)
    case 6: drawArrow(p, true, target); drawCross(p, 8, removed); break;
    case 7: drawArrow(p, false, target); drawCross(p, kPictureWidth - 8, removed); break;
    default: break;
  }
  return pixmap;
}

int StatusListModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_; }

int StatusListModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : 2; }

QVariant StatusListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rows_) return {};
  const auto row = static_cast<std::size_t>(index.row());
  switch (role) {
    case Qt::DisplayRole: {
      if (index.column() != 0) return WindowText(status_.resultPath(row));
      QString caption = QString::fromLatin1(status_.resultCaption(row));
      const std::string_view reason = status_.resultReason(row);
      if (!reason.empty()) caption += QStringLiteral(" (") + WindowText(reason) + QStringLiteral(")");
      return caption;
    }
    case Qt::DecorationRole:
      if (index.column() == 0) {
        const std::uint8_t code = status_.result(row).DisplayCode;
        return code < pictures_.size() ? QVariant(pictures_[code]) : QVariant();
      }
      return {};
    default: return {};
  }
}

QVariant StatusListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
  return section == 0 ? QStringLiteral("Status") : QStringLiteral("Filename");
}

bool StatusListModel::sync() {
  const int count = static_cast<int>(status_.resultCount());
  if (count == rows_) return false;
  if (count < rows_) {
    beginResetModel();
    rows_ = count;
    endResetModel();
    return false;
  }
  beginInsertRows({}, rows_, count - 1);
  rows_ = count;
  endInsertRows();
  return true;
}

}  // namespace quorvane::ui
