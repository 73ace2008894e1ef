#pragma once

#include <QList>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QSizeF>
#include <QString>
#include <QStringList>

// The parsed form of a report template: paper, fonts, declared fields and
// the bands, each band a grid of cells. Lengths are millimetres, font sizes
// points, exactly as the template file gives them.
namespace rebound::report {

enum class Fit { Wrap, Shrink, Clip };
enum class HAlign { Left, Center, Right };
enum class VAlign { Top, Middle, Bottom };

struct Borders {
  bool left = false;
  bool top = false;
  bool right = false;
  bool bottom = false;
  bool Any() const { return left || top || right || bottom; }
  friend bool operator==(const Borders&, const Borders&) = default;
};

struct FontDef {
  QString id;
  QString family;  // tried before the built-in families; empty for none
  double pointSize = 10.5;
  bool bold = false;
  bool italic = false;
};

// One piece of a cell text: a literal, the value of a declared field, the
// page number or the page count.
struct TextPiece {
  enum class Kind { Literal, Field, PageNumber, PageCount };
  Kind kind = Kind::Literal;
  QString literal;
  int field = -1;  // index into Template::fields
};
using TextTemplate = QList<TextPiece>;

bool DependsOnPage(const TextTemplate& text);
bool DependsOnRecord(const TextTemplate& text);

struct CellStyle {
  int font = 0;  // index into Template::fonts
  HAlign align = HAlign::Left;
  VAlign valign = VAlign::Middle;
  Fit fit = Fit::Wrap;
  Borders borders;
  double borderWidthPt = 0.5;
  double paddingVMm = 0.8;
  double paddingHMm = 1.2;
};

struct CellDef {
  int row = 0;
  int column = 0;
  int rowSpan = 1;
  int colSpan = 1;
  TextTemplate text;
  CellStyle style;
};

struct RowDef {
  double minHeightMm = 0;  // 0: one line of the row's font plus padding
  int font = 0;            // the row's font, for the automatic height
  double paddingVMm = 0.8;
};

// A table whose columns span the full width between the margins.
struct GridDef {
  QList<double> columnWidthsMm;
  QList<RowDef> rows;
  QList<CellDef> cells;  // in row order, then column order
  bool IsEmpty() const { return rows.isEmpty(); }
};

struct BandDef {
  GridDef grid;
  double spaceMm = 0;  // gap between this band and the body of the page
};

struct DetailDef {
  bool present = false;
  GridDef columnHeader;  // repeated at the top of the table on every page
  GridDef record;        // one copy per record
};

struct PaperDef {
  QPageSize pageSize = QPageSize(QPageSize::A4);
  QPageLayout::Orientation orientation = QPageLayout::Portrait;
  QMarginsF marginsMm{15, 15, 15, 15};
  QSizeF SizeMm() const;  // oriented
};

struct Template {
  QString name;
  PaperDef paper;
  QList<FontDef> fonts;  // at least one
  QStringList fields;
  BandDef pageHeader;
  BandDef reportHeader;
  DetailDef detail;
  BandDef reportFooter;
  BandDef pageFooter;
};

}  // namespace rebound::report
