#pragma once
// Text of the grid drawn from a per-character table of glyphs and advances: the cells
// hold short texts in one font, so laying each out anew (shaping) would cost more than
// the rest of a paint. Texts of plain ASCII take the table; any other text is drawn and
// measured by Qt's own text layout.
#include <QFont>
#include <QRawFont>
#include <QRgb>
#include <array>
#include <string_view>
#include <vector>

class QPainter;

namespace quorvane::ui {

class GridText {
 public:
  void setFont(const QFont& font);

  // Width in pixels of the text (UTF-8).
  int width(std::string_view text) const;
  // Draws the text (UTF-8) with its baseline at (x, baseline) in the colour; nothing of
  // it outside clipLeft..clipRight (exclusive) is drawn. Leaves the painter's pen set
  // to an unspecified colour. Between
  // beginBatch and flush, texts that need no clipping are only collected, by colour, and
  // flush draws each colour's glyphs in one run: one call instead of one per cell.
  void draw(QPainter& p, int x, int baseline, std::string_view text, QRgb colour, int clipLeft, int clipRight);
  void beginBatch();
  void flush(QPainter& p);

 private:
  static bool ascii(std::string_view text);

  QFont font_;
  QRawFont raw_;
  bool tableUsable_ = false;
  std::array<quint32, 128> glyphs_{};
  std::array<qreal, 128> advances_{};

  struct Batch {
    QRgb colour;
    QList<quint32> glyphs;
    QList<QPointF> positions;
  };
  bool batching_ = false;
  std::vector<Batch> batches_;
};

}  // namespace quorvane::ui
