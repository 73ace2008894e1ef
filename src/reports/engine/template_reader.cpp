#include "template_reader.h"

#include <QHash>
#include <QSet>
#include <QXmlStreamReader>

#include <memory>

#include "cell_text.h"
#include "grid_builder.h"
#include "style_attributes.h"
#include "xml_cursor.h"

namespace rebound::report {
namespace {

QSet<QString> With(QSet<QString> base, std::initializer_list<const char*> more) {
  for (const char* m : more) base.insert(QString::fromLatin1(m));
  return base;
}

// Style and default row height handed down from the report to its bands,
// their sections, rows and cells.
struct Context {
  CellStyle style;
  double heightMm = 0;
};

// Where the cells of one band or detail section go while it is read.
struct GridTarget {
  GridBuilder builder;
  GridDef* out = nullptr;
  SourcePos pos;
  struct Ref {
    int cell;
    FieldRef ref;
  };
  QList<Ref> refs;
  int cellCount = 0;
};

class Reader {
 public:
  explicit Reader(const QByteArray& data) : data_(data) {}

  TemplateReadResult Read() {
    TemplateReadResult result;
    if (!Declarations() || !Body() || !Finish()) {
      result.line = cur_.ErrorPos().line;
      result.column = cur_.ErrorPos().column;
      result.reason = cur_.Error();
      return result;
    }
    result.ok = true;
    result.tpl = std::move(tpl_);
    return result;
  }

 private:
  // ---- first pass: paper, fonts, fields ----------------------------------

  bool OpenRoot() {
    cur_.Open(data_);
    const int r = cur_.NextChild();
    if (r < 0) return false;
    if (r == 0 || cur_.Xml().name() != QLatin1String("report")) {
      return cur_.Fail(cur_.Here(), QStringLiteral("根元素必须是 <report>"));
    }
    cur_.Push(QStringLiteral("report"));
    return true;
  }

  bool Declarations() {
    if (!OpenRoot()) return false;
    if (!cur_.CheckAttributes(With(StyleAttributeNames(), {"name", "height"}))) return false;
    tpl_.name = cur_.Attr("name");
    bool paper = false, fonts = false, fields = false;
    for (;;) {
      const int r = cur_.NextChild();
      if (r < 0) return false;
      if (r == 0) break;
      const QString name = cur_.Xml().name().toString();
      bool* seen = name == QLatin1String("paper")    ? &paper
                   : name == QLatin1String("fonts")  ? &fonts
                   : name == QLatin1String("fields") ? &fields
                                                     : nullptr;
      if (!seen) {
        if (!cur_.SkipElement()) return false;
        continue;
      }
      if (*seen) return cur_.Fail(cur_.Here(), QStringLiteral("<%1> 只能有一个").arg(name));
      *seen = true;
      const bool ok = name == QLatin1String("paper")   ? ReadPaper()
                      : name == QLatin1String("fonts") ? ReadFonts()
                                                       : ReadFields();
      if (!ok) return false;
    }
    if (tpl_.fonts.isEmpty()) {
      FontDef body;
      body.id = QStringLiteral("正文");
      tpl_.fonts.append(body);
    }
    return true;
  }

  bool ReadPaper() {
    if (!cur_.CheckAttributes({"size", "width", "height", "orientation", "margin-top",
                          "margin-bottom", "margin-left", "margin-right"})) {
      return false;
    }
    PaperDef& paper = tpl_.paper;
    const QString size = cur_.Attr("size").trimmed();
    static const QHash<QString, QPageSize::PageSizeId> kSizes = {
        {"A3", QPageSize::A3}, {"A4", QPageSize::A4},         {"A5", QPageSize::A5},
        {"B4", QPageSize::B4}, {"B5", QPageSize::B5},         {"Letter", QPageSize::Letter},
        {"Legal", QPageSize::Legal}};
    const bool custom = size == QLatin1String("custom") || (size.isEmpty() && cur_.HasAttr("width"));
    if (custom) {
      double w = 0, h = 0;
      if (!cur_.HasAttr("width") || !cur_.HasAttr("height")) {
        return cur_.Fail(cur_.Here(), QStringLiteral("自定义纸张要写 width 和 height（毫米）"));
      }
      if (!cur_.Number("width", 50, 2000, &w) || !cur_.Number("height", 50, 2000, &h)) return false;
      paper.pageSize = QPageSize(QSizeF(w, h), QPageSize::Millimeter, QStringLiteral("自定义"),
                                 QPageSize::ExactMatch);
    } else if (!size.isEmpty()) {
      if (!kSizes.contains(size)) {
        return cur_.Fail(cur_.Here(),
                    QStringLiteral("未知的纸张“%1”，可用 A3、A4、A5、B4、B5、Letter、Legal、custom")
                        .arg(size));
      }
      if (cur_.HasAttr("width") || cur_.HasAttr("height")) {
        return cur_.Fail(cur_.Here(), QStringLiteral("width 和 height 只用于 size=\"custom\""));
      }
      paper.pageSize = QPageSize(kSizes.value(size));
    }
    const QString orientation = cur_.Attr("orientation").trimmed();
    if (orientation == QLatin1String("landscape")) {
      paper.orientation = QPageLayout::Landscape;
    } else if (orientation.isEmpty() || orientation == QLatin1String("portrait")) {
      paper.orientation = QPageLayout::Portrait;
    } else {
      return cur_.Fail(cur_.Here(), QStringLiteral("orientation 应是 portrait 或 landscape"));
    }
    double m[4] = {paper.marginsMm.top(), paper.marginsMm.bottom(), paper.marginsMm.left(),
                   paper.marginsMm.right()};
    const char* names[4] = {"margin-top", "margin-bottom", "margin-left", "margin-right"};
    for (int i = 0; i < 4; ++i) {
      if (cur_.HasAttr(names[i]) && !cur_.Number(names[i], 0, 500, &m[i])) return false;
    }
    paper.marginsMm = QMarginsF(m[2], m[0], m[3], m[1]);
    const QSizeF s = paper.SizeMm();
    if (s.width() - m[2] - m[3] < 20 || s.height() - m[0] - m[1] < 20) {
      return cur_.Fail(cur_.Here(), QStringLiteral("页边距太大：版心不足 20 毫米"));
    }
    return cur_.SkipElement();
  }

  bool ReadFonts() {
    if (!cur_.CheckAttributes({})) return false;
    cur_.Push(QStringLiteral("fonts"));
    for (;;) {
      const int r = cur_.NextChild();
      if (r < 0) return false;
      if (r == 0) break;
      if (cur_.Xml().name() != QLatin1String("font")) return cur_.UnknownElement();
      if (!cur_.CheckAttributes({"id", "size", "bold", "italic", "family"})) return false;
      FontDef font;
      font.id = cur_.Attr("id").trimmed();
      if (font.id.isEmpty()) return cur_.Fail(cur_.Here(), QStringLiteral("<font> 要有 id"));
      for (const FontDef& f : tpl_.fonts) {
        if (f.id == font.id) return cur_.Fail(cur_.Here(), QStringLiteral("字体“%1”重复定义").arg(font.id));
      }
      if (cur_.HasAttr("size") && !cur_.Number("size", 4, 96, &font.pointSize)) return false;
      if (cur_.HasAttr("bold") && !cur_.Boolean("bold", &font.bold)) return false;
      if (cur_.HasAttr("italic") && !cur_.Boolean("italic", &font.italic)) return false;
      font.family = cur_.Attr("family").trimmed();
      tpl_.fonts.append(font);
      if (!cur_.SkipElement()) return false;
    }
    cur_.Pop();
    return true;
  }

  bool ReadFields() {
    if (!cur_.CheckAttributes({})) return false;
    cur_.Push(QStringLiteral("fields"));
    for (;;) {
      const int r = cur_.NextChild();
      if (r < 0) return false;
      if (r == 0) break;
      if (cur_.Xml().name() != QLatin1String("field")) return cur_.UnknownElement();
      if (!cur_.CheckAttributes({"name"})) return false;
      const QString name = cur_.Attr("name");
      if (name.trimmed().isEmpty() || name.contains(u'{') || name.contains(u'}') ||
          name.startsWith(u'#')) {
        return cur_.Fail(cur_.Here(), QStringLiteral("字段名“%1”不可用：不能为空，不能含大括号，不能以 # 开头")
                                .arg(name));
      }
      if (tpl_.fields.contains(name)) {
        return cur_.Fail(cur_.Here(), QStringLiteral("字段“%1”重复声明").arg(name));
      }
      tpl_.fields.append(name);
      if (!cur_.SkipElement()) return false;
    }
    cur_.Pop();
    return true;
  }

  // ---- second pass: bands -------------------------------------------------

  bool Style(Context* ctx, bool withHeight) {
    return ReadStyleAttributes(cur_, tpl_.fonts, &ctx->style, withHeight ? &ctx->heightMm : nullptr);
  }

  bool Body() {
    if (!OpenRoot()) return false;
    Context root;
    if (!Style(&root, true)) return false;
    QSet<QString> seen;
    for (;;) {
      const int r = cur_.NextChild();
      if (r < 0) return false;
      if (r == 0) break;
      const QString name = cur_.Xml().name().toString();
      if (name == QLatin1String("paper") || name == QLatin1String("fonts") ||
          name == QLatin1String("fields")) {
        if (!cur_.SkipElement()) return false;
        continue;
      }
      BandDef* band = name == QLatin1String("page-header")     ? &tpl_.pageHeader
                       : name == QLatin1String("report-header") ? &tpl_.reportHeader
                       : name == QLatin1String("report-footer") ? &tpl_.reportFooter
                       : name == QLatin1String("page-footer")   ? &tpl_.pageFooter
                                                                : nullptr;
      if (!band && name != QLatin1String("detail")) return cur_.UnknownElement();
      if (seen.contains(name)) return cur_.Fail(cur_.Here(), QStringLiteral("<%1> 只能有一个").arg(name));
      seen.insert(name);
      if (!(band ? ReadBand(root, band) : ReadDetail(root))) return false;
    }
    // Nothing may follow the root element.
    while (!cur_.Xml().atEnd()) {
      cur_.Xml().readNext();
      if (cur_.XmlFailed()) return false;
    }
    return true;
  }

  bool ReadBand(Context ctx, BandDef* band) {
    if (!cur_.CheckAttributes(With(StyleAttributeNames(), {"height", "space"}))) return false;
    if (!Style(&ctx, true)) return false;
    if (cur_.HasAttr("space") && !cur_.Number("space", 0, 500, &band->spaceMm)) return false;
    grids_.push_back(std::make_unique<GridTarget>());
    GridTarget& target = *grids_.back();
    target.out = &band->grid;
    target.pos = cur_.Here();
    cur_.Push(cur_.Xml().name().toString());
    for (;;) {
      const int r = cur_.NextChild();
      if (r < 0) return false;
      if (r == 0) break;
      if (cur_.Xml().name() == QLatin1String("columns")) {
        if (target.builder.HasColumns() || target.builder.RowCount() > 0) {
          return cur_.Fail(cur_.Here(), QStringLiteral("<columns> 只能有一个，且要写在各行之前"));
        }
        if (!ReadColumns(&target.builder)) return false;
      } else if (cur_.Xml().name() == QLatin1String("row")) {
        if (!ReadRow(ctx, &target)) return false;
      } else {
        return cur_.UnknownElement();
      }
    }
    cur_.Pop();
    return true;
  }

  bool ReadDetail(Context ctx) {
    if (!cur_.CheckAttributes(With(StyleAttributeNames(), {"height"}))) return false;
    if (!Style(&ctx, true)) return false;
    tpl_.detail.present = true;
    grids_.push_back(std::make_unique<GridTarget>());
    GridTarget& header = *grids_.back();
    grids_.push_back(std::make_unique<GridTarget>());
    GridTarget& record = *grids_.back();
    header.out = &tpl_.detail.columnHeader;
    record.out = &tpl_.detail.record;
    detailHeader_ = &header;
    detailRecord_ = &record;
    cur_.Push(QStringLiteral("detail"));
    bool sawHeader = false, sawRecord = false;
    for (;;) {
      const int r = cur_.NextChild();
      if (r < 0) return false;
      if (r == 0) break;
      const QString name = cur_.Xml().name().toString();
      if (name == QLatin1String("columns")) {
        if (header.builder.HasColumns() || sawHeader || sawRecord) {
          return cur_.Fail(cur_.Here(), QStringLiteral("<columns> 只能有一个，且要写在 <column-header> 和 <record> 之前"));
        }
        if (!ReadColumns(&header.builder)) return false;
        record.builder.SetColumns(header.builder.DeclaredWidths(), header.builder.ColumnsPos());
      } else if (name == QLatin1String("column-header") || name == QLatin1String("record")) {
        bool& seen = name == QLatin1String("record") ? sawRecord : sawHeader;
        if (seen) return cur_.Fail(cur_.Here(), QStringLiteral("<%1> 只能有一个").arg(name));
        seen = true;
        if (!ReadSection(ctx, name == QLatin1String("record") ? &record : &header)) return false;
      } else {
        return cur_.UnknownElement();
      }
    }
    if (record.builder.RowCount() == 0) {
      return cur_.Fail(cur_.Here(), QStringLiteral("<detail> 要有 <record>，其中至少一个 <row>"));
    }
    cur_.Pop();
    return true;
  }

  bool ReadSection(Context ctx, GridTarget* target) {
    if (!cur_.CheckAttributes(With(StyleAttributeNames(), {"height"}))) return false;
    if (!Style(&ctx, true)) return false;
    target->pos = cur_.Here();
    cur_.Push(cur_.Xml().name().toString());
    for (;;) {
      const int r = cur_.NextChild();
      if (r < 0) return false;
      if (r == 0) break;
      if (cur_.Xml().name() != QLatin1String("row")) return cur_.UnknownElement();
      if (!ReadRow(ctx, target)) return false;
    }
    cur_.Pop();
    return true;
  }

  bool ReadColumns(GridBuilder* builder) {
    if (!cur_.CheckAttributes({})) return false;
    const SourcePos pos = cur_.Here();
    cur_.Push(QStringLiteral("columns"));
    QList<double> widths;
    for (;;) {
      const int r = cur_.NextChild();
      if (r < 0) return false;
      if (r == 0) break;
      if (cur_.Xml().name() != QLatin1String("column")) return cur_.UnknownElement();
      if (!cur_.CheckAttributes({"width"})) return false;
      double w = -1;
      if (cur_.HasAttr("width") && !cur_.Number("width", 0.5, 2000, &w)) return false;
      if (widths.size() >= GridBuilder::kMaxColumns) {
        return cur_.Fail(cur_.Here(), QStringLiteral("表格最多 %1 列").arg(GridBuilder::kMaxColumns));
      }
      widths.append(w);
      if (!cur_.SkipElement()) return false;
    }
    if (widths.isEmpty()) return cur_.Fail(pos, QStringLiteral("<columns> 里至少要有一个 <column>"));
    cur_.Pop();
    builder->SetColumns(widths, pos);
    return true;
  }

  bool ReadRow(Context ctx, GridTarget* target) {
    if (target->builder.RowCount() >= GridBuilder::kMaxRows) {
      return cur_.Fail(cur_.Here(), QStringLiteral("一张表格最多 %1 行").arg(GridBuilder::kMaxRows));
    }
    if (!cur_.CheckAttributes(With(StyleAttributeNames(), {"height"}))) return false;
    if (!Style(&ctx, true)) return false;
    RowDef row;
    row.minHeightMm = ctx.heightMm;
    row.font = ctx.style.font;
    row.paddingVMm = ctx.style.paddingVMm;
    target->builder.AddRow(row);
    cur_.Push(QStringLiteral("row"));
    for (;;) {
      const int r = cur_.NextChild();
      if (r < 0) return false;
      if (r == 0) break;
      if (cur_.Xml().name() != QLatin1String("cell")) return cur_.UnknownElement();
      if (!ReadCell(ctx, target)) return false;
    }
    cur_.Pop();
    return true;
  }

  bool ReadCell(Context ctx, GridTarget* target) {
    // Every record lays out all cells of its rows again: keep that bounded.
    if (target->cellCount >= GridBuilder::kMaxCells) {
      return cur_.Fail(cur_.Here(), QStringLiteral("一张表格最多 %1 个单元格").arg(GridBuilder::kMaxCells));
    }
    if (!cur_.CheckAttributes(With(StyleAttributeNames(), {"colspan", "rowspan"}))) return false;
    if (!Style(&ctx, false)) return false;
    CellDef cell;
    cell.style = ctx.style;
    if (cur_.HasAttr("colspan") && !cur_.Integer("colspan", 1, GridBuilder::kMaxSpan, &cell.colSpan)) {
      return false;
    }
    if (cur_.HasAttr("rowspan") && !cur_.Integer("rowspan", 1, GridBuilder::kMaxSpan, &cell.rowSpan)) {
      return false;
    }
    const SourcePos cellPos = cur_.Here();
    CellTextBuilder text;
    // The character data of a cell starts right after the tag just read.
    SourcePos start{cur_.Xml().lineNumber(), cur_.Xml().columnNumber() + 1};
    for (;;) {
      const QXmlStreamReader::TokenType t = cur_.Xml().readNext();
      if (cur_.XmlFailed()) return false;
      if (t == QXmlStreamReader::Characters) {
        text.AddText(cur_.Xml().text().toString(), start);
      } else if (t == QXmlStreamReader::StartElement) {
        if (cur_.Xml().name() != QLatin1String("br")) {
          cur_.Push(QStringLiteral("cell"));
          return cur_.UnknownElement();
        }
        if (!cur_.CheckAttributes({}) || !cur_.SkipElement()) return false;
        text.AddLineBreak();
      } else if (t == QXmlStreamReader::EndElement) {
        break;
      } else if (t == QXmlStreamReader::EntityReference) {
        return cur_.Fail(cur_.Here(), QStringLiteral("未知的实体引用“&%1;”").arg(cur_.Xml().name()));
      } else if (t == QXmlStreamReader::Invalid || cur_.Xml().atEnd()) {
        cur_.XmlFailed();
        return false;
      }
      start = SourcePos{cur_.Xml().lineNumber(), cur_.Xml().columnNumber() + 1};
    }
    SourcePos errorPos;
    QString reason;
    QList<FieldRef> refs;
    if (!text.Finish(&cell.text, &refs, &errorPos, &reason)) return cur_.Fail(errorPos, reason);
    target->builder.AddCell(cell, cellPos);
    const int cellIndex = target->cellCount++;
    for (const FieldRef& ref : refs) target->refs.append(GridTarget::Ref{cellIndex, ref});
    return true;
  }

  // ---- after reading: place cells, resolve widths and fields ---------------

  bool Finish() {
    const QSizeF paper = tpl_.paper.SizeMm();
    const double contentWidth =
        paper.width() - tpl_.paper.marginsMm.left() - tpl_.paper.marginsMm.right();
    int detailColumns = 0;
    if (detailHeader_) {
      // The column header and the record share the detail table's columns.
      int headerColumns = 0, recordColumns = 0;
      GridError e;
      if (!detailHeader_->builder.Place(0, &headerColumns, &e) ||
          !detailRecord_->builder.Place(0, &recordColumns, &e)) {
        return cur_.Fail(e.pos, e.reason);
      }
      detailColumns = std::max(headerColumns, recordColumns);
    }
    for (auto& target : grids_) {
      GridBuilder& b = target->builder;
      const bool inDetail = target.get() == detailHeader_ || target.get() == detailRecord_;
      int columns = 0;
      GridError e;
      if (!b.Place(inDetail ? detailColumns : 0, &columns, &e)) return cur_.Fail(e.pos, e.reason);
      GridDef grid = b.Grid();
      QString reason;
      if (!GridBuilder::ResolveWidths(b.DeclaredWidths(), columns, contentWidth,
                                      &grid.columnWidthsMm, &reason)) {
        return cur_.Fail(b.ColumnsPos(), reason);
      }
      // Cells keep their order through placement, so the collected field
      // references still point at the right cells.
      for (const GridTarget::Ref& r : target->refs) {
        const int field = static_cast<int>(tpl_.fields.indexOf(r.ref.name));
        if (field < 0) {
          return cur_.Fail(r.ref.pos,
                      QStringLiteral("字段“%1”没有在 <fields> 里声明").arg(r.ref.name));
        }
        grid.cells[r.cell].text[r.ref.piece].field = field;
      }
      *target->out = std::move(grid);
    }
    return true;
  }

  QByteArray data_;
  XmlCursor cur_;
  Template tpl_;
  std::vector<std::unique_ptr<GridTarget>> grids_;
  GridTarget* detailHeader_ = nullptr;
  GridTarget* detailRecord_ = nullptr;
};

}  // namespace

TemplateReadResult ReadTemplate(const QByteArray& data) { return Reader(data).Read(); }

}  // namespace rebound::report
