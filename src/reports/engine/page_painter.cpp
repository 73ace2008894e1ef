#include "page_painter.h"

#include <QFont>
#include <QHash>
#include <QPen>

#include <cmath>

#include "report_font.h"

namespace rebound::report {
namespace {

void DrawBorders(QPainter& painter, const PageCell& cell, double devicePerUnit) {
  if (!cell.borders.Any()) return;
  QPen pen(Qt::black);
  // On a coarse device (the screen) a line under one and a half pixels is
  // drawn exactly one pixel wide: thinner it would vanish or turn grey,
  // a fraction above one it would come out one or two pixels by position.
  if (cell.borderWidth * devicePerUnit < 1.5) {
    pen.setWidthF(0);
    pen.setCosmetic(true);
  } else {
    pen.setWidthF(cell.borderWidth);
  }
  pen.setCapStyle(Qt::SquareCap);
  painter.setPen(pen);
  const QRectF& r = cell.rect;
  if (cell.borders.top) painter.drawLine(r.topLeft(), r.topRight());
  if (cell.borders.bottom) painter.drawLine(r.bottomLeft(), r.bottomRight());
  if (cell.borders.left) painter.drawLine(r.topLeft(), r.bottomLeft());
  if (cell.borders.right) painter.drawLine(r.topRight(), r.bottomRight());
}

}  // namespace

void paintPage(QPainter& painter, const Document& doc, int pageIndex, const QRectF& target) {
  if (pageIndex < 0 || pageIndex >= doc.pages.size() || doc.pageSize.isEmpty()) return;
  const Page& page = doc.pages[pageIndex];
  painter.save();
  painter.translate(target.topLeft());
  painter.scale(target.width() / doc.pageSize.width(), target.height() / doc.pageSize.height());
  const QTransform& t = painter.deviceTransform();
  const double devicePerUnit = std::sqrt(std::abs(t.determinant()));

  // Borders first, without antialiasing so that thin lines stay crisp on
  // screen; then the text on top.
  painter.setRenderHint(QPainter::Antialiasing, false);
  for (const PageCell& cell : page.cells) DrawBorders(painter, cell, devicePerUnit);

  painter.setRenderHint(QPainter::TextAntialiasing, true);
  painter.setPen(Qt::black);
  QHash<quint64, QFont> fonts;
  for (const PageCell& cell : page.cells) {
    if (cell.lines.isEmpty()) continue;
    const int fontIndex = std::clamp(cell.font, 0, static_cast<int>(doc.fonts.size()) - 1);
    const quint64 key = (static_cast<quint64>(fontIndex) << 32) | static_cast<quint32>(cell.pixelSize);
    auto it = fonts.find(key);
    if (it == fonts.end()) {
      const FontDef def = doc.fonts.isEmpty() ? FontDef{} : doc.fonts[fontIndex];
      it = fonts.insert(key, MakeReportFont(def, cell.pixelSize));
    }
    painter.setFont(it.value());
    if (cell.clip) {
      painter.save();
      painter.setClipRect(cell.clipRect, Qt::IntersectClip);
    }
    for (const TextLine& line : cell.lines) {
      if (!line.text.isEmpty()) painter.drawText(cell.rect.topLeft() + line.baseline, line.text);
    }
    if (cell.clip) painter.restore();
  }
  painter.restore();
}

}  // namespace rebound::report
