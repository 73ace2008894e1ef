#include "grid_builder.h"

#include <algorithm>

namespace rebound::report {

void GridBuilder::SetColumns(const QList<double>& widthsMm, SourcePos pos) {
  declaredWidths_ = widthsMm;
  columnsPos_ = pos;
}

void GridBuilder::AddRow(const RowDef& row) {
  rows_.append(row);
  cells_by_row_.append(QList<PendingCell>());
}

void GridBuilder::AddCell(const CellDef& cell, SourcePos pos) {
  if (cells_by_row_.isEmpty()) return;
  cells_by_row_.last().append(PendingCell{cell, pos});
}

bool GridBuilder::Place(int columns, int* usedColumns, GridError* error) {
  const int declared = static_cast<int>(declaredWidths_.size());
  const int limit = declared > 0 ? declared : (columns > 0 ? columns : kMaxColumns);
  const int rowCount = static_cast<int>(rows_.size());
  // occupied[r][c]: some cell covers row r, column c.
  QList<QList<bool>> occupied(rowCount);
  int extent = 0;
  grid_.rows = rows_;
  grid_.cells.clear();
  for (int r = 0; r < rowCount; ++r) {
    int c = 0;
    for (const PendingCell& pending : cells_by_row_[r]) {
      CellDef cell = pending.cell;
      while (c < occupied[r].size() && occupied[r][c]) ++c;
      if (c + cell.colSpan > limit) {
        error->pos = pending.pos;
        error->reason = declared > 0 || columns > 0
                            ? QStringLiteral("这一行的单元格超出了表格的 %1 列").arg(limit)
                            : QStringLiteral("这一行超过 %1 列").arg(kMaxColumns);
        return false;
      }
      if (r + cell.rowSpan > rowCount) {
        error->pos = pending.pos;
        error->reason = QStringLiteral("rowspan=\"%1\" 超出了表格的最后一行").arg(cell.rowSpan);
        return false;
      }
      for (int rr = r; rr < r + cell.rowSpan; ++rr) {
        QList<bool>& line = occupied[rr];
        if (line.size() < c + cell.colSpan) line.resize(c + cell.colSpan, false);
        for (int cc = c; cc < c + cell.colSpan; ++cc) {
          if (line[cc]) {
            error->pos = pending.pos;
            error->reason = QStringLiteral("单元格与上方跨行（rowspan）的单元格重叠");
            return false;
          }
          line[cc] = true;
        }
      }
      cell.row = r;
      cell.column = c;
      grid_.cells.append(cell);
      c += cell.colSpan;
      if (c > extent) extent = c;
    }
  }
  *usedColumns = declared > 0 ? declared : (columns > 0 ? columns : std::max(extent, 1));
  return true;
}

bool GridBuilder::ResolveWidths(const QList<double>& declared, int columns, double contentWidthMm,
                                QList<double>* widths, QString* reason) {
  widths->clear();
  if (declared.isEmpty()) {
    for (int i = 0; i < columns; ++i) widths->append(contentWidthMm / columns);
    return true;
  }
  double fixed = 0;
  int automatic = 0;
  for (double w : declared) {
    if (w < 0) {
      ++automatic;
    } else {
      fixed += w;
    }
  }
  if (automatic == 0) {
    // All widths given: they are proportions of the width between the margins.
    for (double w : declared) widths->append(w * contentWidthMm / fixed);
    return true;
  }
  const double rest = contentWidthMm - fixed;
  if (rest < automatic * 1.0) {
    *reason = QStringLiteral("列宽之和 %1 毫米超过了版心宽度 %2 毫米，没有留给未定宽度的列")
                  .arg(fixed, 0, 'f', 1)
                  .arg(contentWidthMm, 0, 'f', 1);
    return false;
  }
  for (double w : declared) widths->append(w < 0 ? rest / automatic : w);
  return true;
}

}  // namespace rebound::report
