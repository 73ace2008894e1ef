#include "grid_layout.h"

#include <algorithm>
#include <numeric>

#include "cell_text.h"
#include "units.h"

namespace rebound::report {
namespace {

void AlignBlock(PageCell& cell, const CellDef& def, const TextBlock& block) {
  const double padV = MmToUnits(def.style.paddingVMm);
  const double padH = MmToUnits(def.style.paddingHMm);
  const double room = cell.rect.height() - 2 * padV;
  double dy = 0;
  if (def.style.valign == VAlign::Middle) {
    dy = (room - block.height) / 2;
  } else if (def.style.valign == VAlign::Bottom) {
    dy = room - block.height;
  }
  dy = std::max(dy, 0.0);
  cell.lines = block.lines;
  for (TextLine& l : cell.lines) l.baseline += QPointF(padH, padV + dy);
  cell.pixelSize = block.pixelSize;
  cell.clip = block.clip;
}

TextBlock MeasureCell(const CellDef& def, const QString& text, double width,
                      TextMeasurer& measurer) {
  const double inner = width - 2 * MmToUnits(def.style.paddingHMm);
  return measurer.Layout(text, def.style.font, std::max(inner, 1.0), def.style.fit,
                         def.style.align);
}

}  // namespace

void PlaceCellText(PageCell& cell, const CellDef& def, const QString& text,
                   TextMeasurer& measurer) {
  cell.text = text;
  AlignBlock(cell, def, MeasureCell(def, text, cell.rect.width(), measurer));
}

BandBlock LayoutGrid(const GridDef& grid, BandKind kind, int record, const QStringList* values,
                     const PageNumberTexts& numbers, double width, TextMeasurer& measurer) {
  BandBlock band;
  if (grid.rows.isEmpty()) return band;

  // Column edges; the widths fill `width` exactly.
  const double totalMm = std::accumulate(grid.columnWidthsMm.begin(), grid.columnWidthsMm.end(), 0.0);
  QList<double> x{0};
  for (double w : grid.columnWidthsMm) x.append(x.last() + (totalMm > 0 ? w * width / totalMm : 0));
  auto spanWidth = [&](const CellDef& c) {
    const int last = std::min<int>(c.column + c.colSpan, static_cast<int>(x.size()) - 1);
    return x[last] - x[std::min<int>(c.column, last)];
  };

  QList<double> rowHeight;
  for (const RowDef& row : grid.rows) {
    rowHeight.append(row.minHeightMm > 0
                         ? MmToUnits(row.minHeightMm)
                         : measurer.LineHeight(row.font) + 2 * MmToUnits(row.paddingVMm));
  }

  QList<TextBlock> blocks;
  QList<QString> texts;
  for (const CellDef& c : grid.cells) {
    texts.append(ExpandText(c.text, values, numbers.page, numbers.pages));
    blocks.append(MeasureCell(c, texts.last(), spanWidth(c), measurer));
  }
  auto needed = [&](int i) {
    return blocks[i].height + 2 * MmToUnits(grid.cells[i].style.paddingVMm);
  };
  // Single-row cells first, then cells spanning more rows, shortest span
  // first, each pushing down the last row it covers when it needs more.
  QList<int> order(grid.cells.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(),
                   [&](int a, int b) { return grid.cells[a].rowSpan < grid.cells[b].rowSpan; });
  for (int i : order) {
    const CellDef& c = grid.cells[i];
    double have = 0;
    for (int r = c.row; r < c.row + c.rowSpan; ++r) have += rowHeight[r];
    const double need = needed(i);
    if (need > have) rowHeight[c.row + c.rowSpan - 1] += need - have;
  }

  QList<double> y{0};
  for (double h : rowHeight) y.append(y.last() + h);
  band.height = y.last();

  for (int i = 0; i < grid.cells.size(); ++i) {
    const CellDef& c = grid.cells[i];
    PageCell cell;
    cell.band = kind;
    cell.record = record;
    cell.row = c.row;
    cell.column = c.column;
    cell.rowSpan = c.rowSpan;
    cell.colSpan = c.colSpan;
    cell.rect = QRectF(x[c.column], y[c.row], spanWidth(c), y[c.row + c.rowSpan] - y[c.row]);
    cell.text = texts[i];
    cell.font = c.style.font;
    cell.borders = c.style.borders;
    cell.borderWidth = PointsToUnits(c.style.borderWidthPt);
    AlignBlock(cell, c, blocks[i]);
    const double half = cell.borderWidth / 2;
    cell.clipRect = cell.rect.adjusted(half, half, -half, -half);
    band.cells.append(cell);
    band.sources.append(&c);
  }
  return band;
}

}  // namespace rebound::report
