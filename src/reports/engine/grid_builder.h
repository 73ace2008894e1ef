#pragma once

#include <QList>
#include <QString>

#include "cell_text.h"
#include "template_model.h"

// Places the cells of one table as they are written, row by row, into the
// columns: each cell takes the next column that no cell above it spans into.
namespace rebound::report {

struct GridError {
  SourcePos pos;
  QString reason;
};

class GridBuilder {
 public:
  static constexpr int kMaxColumns = 200;
  static constexpr int kMaxSpan = 200;
  static constexpr int kMaxRows = 1000;
  static constexpr int kMaxCells = 10000;

  // Declared column widths in mm, a negative width for a column that shares
  // what the others leave. Without declared columns the table gets as many
  // equal columns as its widest row needs.
  void SetColumns(const QList<double>& widthsMm, SourcePos pos);
  bool HasColumns() const { return !declaredWidths_.isEmpty(); }
  const QList<double>& DeclaredWidths() const { return declaredWidths_; }

  void AddRow(const RowDef& row);
  void AddCell(const CellDef& cell, SourcePos pos);  // to the last row
  int RowCount() const { return static_cast<int>(rows_.size()); }
  SourcePos ColumnsPos() const { return columnsPos_; }

  // Places the cells. `columns` is the column count to use when none are
  // declared here (shared by the column header and the record of the detail
  // table); 0 means "as many as needed". Returns the column count used.
  bool Place(int columns, int* usedColumns, GridError* error);

  // Widths for `columns` columns filling `contentWidthMm`.
  static bool ResolveWidths(const QList<double>& declared, int columns, double contentWidthMm,
                            QList<double>* widths, QString* reason);

  GridDef& Grid() { return grid_; }

 private:
  struct PendingCell {
    CellDef cell;
    SourcePos pos;
  };
  QList<double> declaredWidths_;
  SourcePos columnsPos_;
  QList<RowDef> rows_;
  QList<QList<PendingCell>> cells_by_row_;
  GridDef grid_;
};

}  // namespace rebound::report
