#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "page_model.h"
#include "template_model.h"
#include "text_layout.h"

// Lays out one band's grid for one record: row heights grow until every
// wrapped text fits, rowspan cells push their last row down when needed.
namespace rebound::report {

struct PageNumberTexts {
  QString page;
  QString pages;
};

struct BandBlock {
  double height = 0;
  QList<PageCell> cells;              // rects relative to the band's top-left
  QList<const CellDef*> sources;     // the template cell of each placed cell
};

BandBlock LayoutGrid(const GridDef& grid, BandKind kind, int record, const QStringList* values,
                     const PageNumberTexts& numbers, double width, TextMeasurer& measurer);

// Fills `cell` (whose rect is already set) with `text` laid out by the
// style of `def`.
void PlaceCellText(PageCell& cell, const CellDef& def, const QString& text,
                   TextMeasurer& measurer);

}  // namespace rebound::report
