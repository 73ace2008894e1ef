#include "paginator.h"

#include <algorithm>

#include "cell_text.h"
#include "grid_layout.h"
#include "text_layout.h"
#include "units.h"

namespace rebound::report {
namespace {

class Paginator {
 public:
  Paginator(const Template& tpl, const QList<QStringList>& records, int digits)
      : tpl_(tpl), records_(records), measurer_(tpl.fonts) {
    const QString eights(digits, u'8');  // about the widest digits: room for any number
    numbers_ = PageNumberTexts{eights, eights};
    const QSizeF paper = tpl.paper.SizeMm();
    const QMarginsF& m = tpl.paper.marginsMm;
    pageSize_ = QSizeF(MmToUnits(paper.width()), MmToUnits(paper.height()));
    content_ = QRectF(MmToUnits(m.left()), MmToUnits(m.top()),
                      MmToUnits(paper.width() - m.left() - m.right()),
                      MmToUnits(paper.height() - m.top() - m.bottom()));
  }

  std::shared_ptr<Document> Run() {
    auto doc = std::make_shared<Document>();
    doc->title = tpl_.name;
    doc->pageLayout = QPageLayout(tpl_.paper.pageSize, tpl_.paper.orientation, QMarginsF());
    doc->pageSize = pageSize_;
    doc->fonts = tpl_.fonts;
    doc->recordCount = static_cast<int>(records_.size());

    const int n = static_cast<int>(records_.size());
    const bool hasDetail = tpl_.detail.present;
    const BandBlock reportHeader = Band(tpl_.reportHeader.grid, BandKind::ReportHeader, 0);
    const BandBlock reportFooter = Band(tpl_.reportFooter.grid, BandKind::ReportFooter, 0);
    QList<BandBlock> recordBlocks;
    if (hasDetail) {
      for (int i = 0; i < n; ++i) {
        recordBlocks.append(Band(tpl_.detail.record, BandKind::Detail, i));
      }
    }

    // Without a detail table the records only feed the other bands.
    int next = hasDetail ? 0 : n;  // next record to place
    bool headerDone = false, footerDone = false, emptyTableDone = false;
    while (!footerDone) {
      Page page;
      const int pageIndex = static_cast<int>(pages_.size());
      page.headerRecord = !hasDetail ? (n > 0 ? 0 : -1) : next < n ? next : n - 1;
      const BandBlock ph = Band(tpl_.pageHeader.grid, BandKind::PageHeader, page.headerRecord);
      const BandBlock pf = Band(tpl_.pageFooter.grid, BandKind::PageFooter, page.headerRecord);
      double top = content_.top();
      if (ph.height > 0) {
        Put(page, pageIndex, ph, top);
        top += ph.height + MmToUnits(tpl_.pageHeader.spaceMm);
      }
      double bottom = content_.bottom();
      if (pf.height > 0) {
        Put(page, pageIndex, pf, bottom - pf.height);
        bottom -= pf.height + MmToUnits(tpl_.pageFooter.spaceMm);
      }
      double y = top;
      bool bodyEmpty = true;
      if (!headerDone) {
        if (reportHeader.height > 0) {
          Put(page, pageIndex, reportHeader, y);
          y += reportHeader.height + MmToUnits(tpl_.reportHeader.spaceMm);
          bodyEmpty = false;
        }
        headerDone = true;
      }
      if (hasDetail && next < n) {
        const BandBlock columns =
            Band(tpl_.detail.columnHeader, BandKind::ColumnHeader, page.headerRecord);
        // The column header goes only where at least one record follows it,
        // unless nothing else is on the page and a record cannot fit anyway.
        if (bodyEmpty || y + columns.height + recordBlocks[next].height <= bottom) {
          Put(page, pageIndex, columns, y);
          y += columns.height;
          while (next < n && (page.records.isEmpty() || y + recordBlocks[next].height <= bottom)) {
            Put(page, pageIndex, recordBlocks[next], y);
            y += recordBlocks[next].height;
            page.records.append(next);
            ++next;
          }
          bodyEmpty = false;
        }
      } else if (hasDetail && n == 0 && !emptyTableDone) {
        // No records: the table still shows its column header.
        const BandBlock columns = Band(tpl_.detail.columnHeader, BandKind::ColumnHeader, -1);
        Put(page, pageIndex, columns, y);
        y += columns.height;
        emptyTableDone = true;
        bodyEmpty = bodyEmpty && columns.height <= 0;
      }
      if (next >= n) {
        const double space = reportFooter.height > 0 ? MmToUnits(tpl_.reportFooter.spaceMm) : 0;
        if (bodyEmpty || y + space + reportFooter.height <= bottom) {
          if (reportFooter.height > 0) Put(page, pageIndex, reportFooter, y + space);
          footerDone = true;
        }
      }
      pages_.append(page);
    }
    FillPageNumbers();
    doc->pages = std::move(pages_);
    return doc;
  }

 private:
  struct Fixup {
    int page;
    int cell;
    const CellDef* def;
    int record;
  };

  const QStringList* Values(int record) const {
    return record >= 0 && record < records_.size() ? &records_[record] : nullptr;
  }

  BandBlock Band(const GridDef& grid, BandKind kind, int record) {
    return LayoutGrid(grid, kind, record, Values(record), numbers_, content_.width(), measurer_);
  }

  void Put(Page& page, int pageIndex, const BandBlock& band, double y) {
    const QPointF offset(content_.left(), y);
    for (int i = 0; i < band.cells.size(); ++i) {
      PageCell cell = band.cells[i];
      cell.rect.translate(offset);
      cell.clipRect.translate(offset);
      if (DependsOnPage(band.sources[i]->text)) {
        fixups_.append(Fixup{pageIndex, static_cast<int>(page.cells.size()), band.sources[i],
                             cell.record});
      }
      page.cells.append(cell);
    }
  }

  void FillPageNumbers() {
    const QString pages = QString::number(pages_.size());
    for (const Fixup& f : fixups_) {
      const QString text =
          ExpandText(f.def->text, Values(f.record), QString::number(f.page + 1), pages);
      PlaceCellText(pages_[f.page].cells[f.cell], *f.def, text, measurer_);
    }
  }

  const Template& tpl_;
  const QList<QStringList>& records_;
  TextMeasurer measurer_;
  PageNumberTexts numbers_;
  QSizeF pageSize_;
  QRectF content_;
  QList<Page> pages_;
  QList<Fixup> fixups_;
};

int Digits(qsizetype n) { return static_cast<int>(QString::number(n).size()); }

}  // namespace

std::shared_ptr<Document> LayoutDocument(const Template& tpl, const QList<QStringList>& records) {
  // Page numbers are measured with as many digits as the page count has;
  // a count with more digits than assumed is laid out again with those.
  int digits = 1;
  for (;;) {
    auto doc = Paginator(tpl, records, digits).Run();
    const int needed = Digits(doc->pages.size());
    if (needed <= digits) return doc;
    digits = needed;
  }
}

}  // namespace rebound::report
