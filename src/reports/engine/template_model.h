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

struct FontSpec {
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

struct CellSpec {
  int row = 0;
  int column = 0;
  int rowSpan = 1;
  int colSpan = 1;
  TextTemplate text;
  CellStyle style;
};

struct RowSpec {
  double minHeightMm = 0;  // 0: one line of the row's font plus padding
  int font = 0;            // the row's font, for the automatic height
  double paddingVMm = 0.8;
};

// A table whose columns span the full width between the margins.
struct GridSpec {
  QList<double> columnWidthsMm;
  QList<RowSpec> rows;
  QList<CellSpec> cells;  // in row order, then column order
  bool IsEmpty() const { return rows.isEmpty(); }
};

struct BandSpec {
  GridSpec grid;
  double spaceMm = 0;  // gap between this band and the body of the page
};

struct DetailSpec {
  bool present = false;
  GridSpec columnHeader;  // repeated at the top of the table on every page
  GridSpec record;        // one copy per record
};

struct PaperSpec {
  QPageSize pageSize = QPageSize(QPageSize::A4);
  QPageLayout::Orientation orientation = QPageLayout::Portrait;
  QMarginsF marginsMm{15, 15, 15, 15};
  QSizeF SizeMm() const;  // oriented
};

struct Template {
  QString name;
  PaperSpec paper;
  QList<FontSpec> fonts;  // at least one
  QStringList fields;
  BandSpec pageHeader;
  BandSpec reportHeader;
  DetailSpec detail;
  BandSpec reportFooter;
  BandSpec pageFooter;
};

}  // namespace rebound::report
