#include "ui/grid/grid_text.h"

#include <QFontMetrics>
#include <QGlyphRun>
#include <QPainter>
#include <cmath>

namespace quorvane::ui {

namespace {

QString qtText(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

}  // namespace

void GridText::setFont(const QFont& font) {
  font_ = font;
  raw_ = QRawFont::fromFont(font);
  tableUsable_ = raw_.isValid();
  if (!tableUsable_) return;
  QString printable;
  for (int c = 0x20; c < 0x7F; ++c) printable.append(QLatin1Char(static_cast<char>(c)));
  const QList<quint32> indexes = raw_.glyphIndexesForString(printable);
  if (indexes.size() != printable.size()) {
    tableUsable_ = false;
    return;
  }
  const QList<QPointF> advances = raw_.advancesForGlyphIndexes(indexes);
  glyphs_.fill(indexes[0]);  // control characters show as blanks
  advances_.fill(std::round(advances[0].x()));
  for (int c = 0x20; c < 0x7F; ++c) {
    glyphs_[static_cast<std::size_t>(c)] = indexes[c - 0x20];
    advances_[static_cast<std::size_t>(c)] = std::round(advances[c - 0x20].x());
  }
}

bool GridText::ascii(std::string_view text) {
  for (const char c : text)
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  return true;
}

int GridText::width(std::string_view text) const {
  if (!tableUsable_ || !ascii(text)) return QFontMetrics(font_).horizontalAdvance(qtText(text));
  qreal w = 0;
  for (const char c : text) w += advances_[static_cast<std::size_t>(c)];
  return static_cast<int>(std::ceil(w));
}

void GridText::draw(QPainter& p, int x, int baseline, std::string_view text, QRgb colour, int clipLeft, int clipRight) {
  if (text.empty() || x >= clipRight || clipLeft >= clipRight) return;
  const QRect clip(clipLeft, baseline - 1000, clipRight - clipLeft, 2000);
  if (!tableUsable_ || !ascii(text)) {
    p.setPen(QColor::fromRgb(colour));
    p.save();
    p.setClipRect(clip, Qt::IntersectClip);
    p.drawText(x, baseline, qtText(text));
    p.restore();
    return;
  }
  qreal end = x;
  for (const char c : text) end += advances_[static_cast<std::size_t>(c)];
  const bool cut = x < clipLeft || end > clipRight;
  if (batching_ && !cut) {
    Batch* batch = nullptr;
    for (Batch& b : batches_)
      if (b.colour == colour) batch = &b;
    if (!batch) batch = &batches_.emplace_back(Batch{colour, {}, {}});
    qreal at = x;
    for (const char c : text) {
      const std::size_t i = static_cast<std::size_t>(c);
      batch->glyphs.append(glyphs_[i]);
      batch->positions.append(QPointF(at, baseline));
      at += advances_[i];
    }
    return;
  }
  QList<quint32> glyphs;
  QList<QPointF> positions;
  glyphs.reserve(static_cast<qsizetype>(text.size()));
  positions.reserve(static_cast<qsizetype>(text.size()));
  qreal at = 0;
  for (const char c : text) {
    const std::size_t i = static_cast<std::size_t>(c);
    if (x + at >= clipRight) break;
    glyphs.append(glyphs_[i]);
    positions.append(QPointF(at, 0));
    at += advances_[i];
  }
  QGlyphRun run;
  run.setRawFont(raw_);
  run.setGlyphIndexes(glyphs);
  run.setPositions(positions);
  p.setPen(QColor::fromRgb(colour));
  if (!cut) {
    p.drawGlyphRun(QPointF(x, baseline), run);
    return;
  }
  // A glyph crosses an edge: clip it there.
  p.save();
  p.setClipRect(clip, Qt::IntersectClip);
  p.drawGlyphRun(QPointF(x, baseline), run);
  p.restore();
}

void GridText::beginBatch() {
  batching_ = true;
  for (Batch& b : batches_) b.glyphs.clear(), b.positions.clear();
}

void GridText::flush(QPainter& p) {
  batching_ = false;
  for (Batch& b : batches_) {
    if (b.glyphs.isEmpty()) continue;
    QGlyphRun run;
    run.setRawFont(raw_);
    run.setGlyphIndexes(b.glyphs);
    run.setPositions(b.positions);
    p.setPen(QColor::fromRgba(b.colour));
    p.drawGlyphRun(QPointF(0, 0), run);
  }
}

}  // namespace quorvane::ui
