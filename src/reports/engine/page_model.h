#pragma once

#include <QList>
#include <QPageLayout>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include "template_model.h"

// A generated report: pages of placed cells, each with its text already
// broken into lines. Geometry is in layout units (see units.h) from the
// paper's top-left corner. Painting only draws what is here, so the screen,
// the printer and PDF show the same line breaks and page breaks.
namespace rebound::report {

enum class BandKind { PageHeader, ReportHeader, ColumnHeader, Detail, ReportFooter, PageFooter };

struct TextLine {
  QString text;
  QPointF baseline;  // start of the baseline, relative to the cell's top-left
  double width = 0;
};

struct PageCell {
  BandKind band = BandKind::Detail;
  int record = -1;  // record whose values fill the cell; -1 for none
  int row = 0;      // row and column in its band's grid
  int column = 0;
  int rowSpan = 1;
  int colSpan = 1;
  QRectF rect;
  QString text;
  int font = 0;        // index into Document::fonts
  int pixelSize = 0;   // font size in layout units (smaller than the font's when shrunk)
  Borders borders;
  double borderWidth = 0;  // layout units
  bool clip = false;       // fit="clip": lines are cut at the cell's inner edge
  QRectF clipRect;         // page coordinates, used when clip is set
  QList<TextLine> lines;
};

struct Page {
  QList<PageCell> cells;
  QList<int> records;     // detail records on this page, in order
  int headerRecord = -1;  // record shown in the page header and footer; -1 for none
};

struct Document {
  QString title;
  QPageLayout pageLayout;  // paper size and orientation, no margins
  QSizeF pageSize;         // layout units, oriented
  QList<FontDef> fonts;
  QList<Page> pages;
  int recordCount = 0;
  int PageCount() const { return static_cast<int>(pages.size()); }
};

}  // namespace rebound::report
