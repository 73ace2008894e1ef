#include "template_reader.h"

#include <QHash>
#include <QSet>
#include <QXmlStreamReader>

#include <cmath>
#include <memory>

#include "cell_text.h"
#include "grid_builder.h"

namespace rebound::report {
namespace {

const QSet<QString> kStyleAttrs = {"font",   "align",        "valign",  "fit",
                                   "border", "border-width", "padding"};

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
  GridSpec* out = nullptr;
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
      result.line = errorPos_.line;
      result.column = errorPos_.column;
      result.reason = error_;
      return result;
    }
    result.ok = true;
    result.tpl = std::move(tpl_);
    return result;
  }

 private:
  // ---- tokens -------------------------------------------------------------

  SourcePos Here() const { return SourcePos{xml_->lineNumber(), xml_->columnNumber()}; }

  bool Fail(SourcePos pos, const QString& reason) {
    if (error_.isEmpty()) {
      errorPos_ = pos;
      error_ = reason;
    }
    return false;
  }

  bool XmlFailed() {
    if (!xml_->hasError()) return false;
    Fail(Here(), QStringLiteral("XML 格式错误：%1").arg(xml_->errorString()));
    return true;
  }

  // Moves to the next child element of the current element: 1 at its start
  // tag, 0 at the end of the current element, -1 on an error. Character data
  // other than blanks is not allowed outside cells.
  int NextChild() {
    while (!xml_->atEnd()) {
      const QXmlStreamReader::TokenType t = xml_->readNext();
      if (XmlFailed()) return -1;
      switch (t) {
        case QXmlStreamReader::StartElement:
          return 1;
        case QXmlStreamReader::EndElement:
          return 0;
        case QXmlStreamReader::Characters:
          if (!xml_->isWhitespace()) {
            Fail(Here(), QStringLiteral("<%1> 里不能直接写文字，文字要写在 <cell> 里")
                             .arg(stack_.isEmpty() ? QString() : stack_.last()));
            return -1;
          }
          break;
        case QXmlStreamReader::DTD:
          Fail(Here(), QStringLiteral("模板不能包含 DTD"));
          return -1;
        case QXmlStreamReader::EntityReference:
          Fail(Here(), QStringLiteral("未知的实体引用“&%1;”").arg(xml_->name()));
          return -1;
        default:
          break;
      }
    }
    XmlFailed();
    return -1;
  }

  bool SkipElement() {
    xml_->skipCurrentElement();
    return !XmlFailed();
  }

  bool CheckAttributes(const QSet<QString>& allowed) {
    for (const QXmlStreamAttribute& a : xml_->attributes()) {
      if (!allowed.contains(a.name().toString())) {
        return Fail(Here(), QStringLiteral("<%1> 没有属性“%2”")
                                .arg(xml_->name().toString(), a.name().toString()));
      }
    }
    return true;
  }

  bool UnknownElement() {
    return Fail(Here(), QStringLiteral("<%1> 里不能有 <%2>")
                            .arg(stack_.isEmpty() ? QString() : stack_.last(),
                                 xml_->name().toString()));
  }

  QString Attr(const char* name) const {
    return xml_->attributes().value(QLatin1String(name)).toString();
  }
  bool HasAttr(const char* name) const {
    return xml_->attributes().hasAttribute(QLatin1String(name));
  }

  bool Number(const char* name, double min, double max, double* out) {
    const QString text = Attr(name).trimmed();
    bool ok = false;
    const double v = text.toDouble(&ok);
    if (!ok || !std::isfinite(v) || v < min || v > max) {
      return Fail(Here(), QStringLiteral("属性 %1=\"%2\" 应是 %3 到 %4 之间的数")
                              .arg(QLatin1String(name), Attr(name))
                              .arg(min)
                              .arg(max));
    }
    *out = v;
    return true;
  }

  bool Integer(const char* name, int min, int max, int* out) {
    bool ok = false;
    const int v = Attr(name).trimmed().toInt(&ok);
    if (!ok || v < min || v > max) {
      return Fail(Here(), QStringLiteral("属性 %1=\"%2\" 应是 %3 到 %4 之间的整数")
                              .arg(QLatin1String(name), Attr(name))
                              .arg(min)
                              .arg(max));
    }
    *out = v;
    return true;
  }

  bool Boolean(const char* name, bool* out) {
    const QString v = Attr(name).trimmed();
    if (v == QLatin1String("true") || v == QLatin1String("1")) {
      *out = true;
    } else if (v == QLatin1String("false") || v == QLatin1String("0")) {
      *out = false;
    } else {
      return Fail(Here(), QStringLiteral("属性 %1=\"%2\" 应是 true 或 false")
                              .arg(QLatin1String(name), v));
    }
    return true;
  }

  // ---- first pass: paper, fonts, fields ----------------------------------

  bool OpenRoot() {
    xml_ = std::make_unique<QXmlStreamReader>(data_);
    int r = NextChild();
    if (r < 0) return false;
    if (r == 0 || xml_->name() != QLatin1String("report")) {
      return Fail(Here(), QStringLiteral("根元素必须是 <report>"));
    }
    stack_ = {QStringLiteral("report")};
    return true;
  }

  bool Declarations() {
    if (!OpenRoot()) return false;
    if (!CheckAttributes(With(kStyleAttrs, {"name", "height"}))) return false;
    tpl_.name = Attr("name");
    bool paper = false, fonts = false, fields = false;
    for (;;) {
      const int r = NextChild();
      if (r < 0) return false;
      if (r == 0) break;
      const QString name = xml_->name().toString();
      bool* seen = name == QLatin1String("paper")    ? &paper
                   : name == QLatin1String("fonts")  ? &fonts
                   : name == QLatin1String("fields") ? &fields
                                                     : nullptr;
      if (!seen) {
        if (!SkipElement()) return false;
        continue;
      }
      if (*seen) return Fail(Here(), QStringLiteral("<%1> 只能有一个").arg(name));
      *seen = true;
      const bool ok = name == QLatin1String("paper")   ? ReadPaper()
                      : name == QLatin1String("fonts") ? ReadFonts()
                                                       : ReadFields();
      if (!ok) return false;
    }
    if (tpl_.fonts.isEmpty()) {
      FontSpec body;
      body.id = QStringLiteral("正文");
      tpl_.fonts.append(body);
    }
    return true;
  }

  bool ReadPaper() {
    if (!CheckAttributes({"size", "width", "height", "orientation", "margin-top",
                          "margin-bottom", "margin-left", "margin-right"})) {
      return false;
    }
    PaperSpec& paper = tpl_.paper;
    const QString size = Attr("size").trimmed();
    static const QHash<QString, QPageSize::PageSizeId> kSizes = {
        {"A3", QPageSize::A3}, {"A4", QPageSize::A4},         {"A5", QPageSize::A5},
        {"B4", QPageSize::B4}, {"B5", QPageSize::B5},         {"Letter", QPageSize::Letter},
        {"Legal", QPageSize::Legal}};
    const bool custom = size == QLatin1String("custom") || (size.isEmpty() && HasAttr("width"));
    if (custom) {
      double w = 0, h = 0;
      if (!HasAttr("width") || !HasAttr("height")) {
        return Fail(Here(), QStringLiteral("自定义纸张要写 width 和 height（毫米）"));
      }
      if (!Number("width", 50, 2000, &w) || !Number("height", 50, 2000, &h)) return false;
      paper.pageSize = QPageSize(QSizeF(w, h), QPageSize::Millimeter, QStringLiteral("自定义"),
                                 QPageSize::ExactMatch);
    } else if (!size.isEmpty()) {
      if (!kSizes.contains(size)) {
        return Fail(Here(),
                    QStringLiteral("未知的纸张“%1”，可用 A3、A4、A5、B4、B5、Letter、Legal、custom")
                        .arg(size));
      }
      if (HasAttr("width") || HasAttr("height")) {
        return Fail(Here(), QStringLiteral("width 和 height 只用于 size=\"custom\""));
      }
      paper.pageSize = QPageSize(kSizes.value(size));
    }
    const QString orientation = Attr("orientation").trimmed();
    if (orientation == QLatin1String("landscape")) {
      paper.orientation = QPageLayout::Landscape;
    } else if (orientation.isEmpty() || orientation == QLatin1String("portrait")) {
      paper.orientation = QPageLayout::Portrait;
    } else {
      return Fail(Here(), QStringLiteral("orientation 应是 portrait 或 landscape"));
    }
    double m[4] = {paper.marginsMm.top(), paper.marginsMm.bottom(), paper.marginsMm.left(),
                   paper.marginsMm.right()};
    const char* names[4] = {"margin-top", "margin-bottom", "margin-left", "margin-right"};
    for (int i = 0; i < 4; ++i) {
      if (HasAttr(names[i]) && !Number(names[i], 0, 500, &m[i])) return false;
    }
    paper.marginsMm = QMarginsF(m[2], m[0], m[3], m[1]);
    const QSizeF s = paper.SizeMm();
    if (s.width() - m[2] - m[3] < 20 || s.height() - m[0] - m[1] < 20) {
      return Fail(Here(), QStringLiteral("页边距太大：版心不足 20 毫米"));
    }
    return SkipElement();
  }

  bool ReadFonts() {
    if (!CheckAttributes({})) return false;
    stack_.append(QStringLiteral("fonts"));
    for (;;) {
      const int r = NextChild();
      if (r < 0) return false;
      if (r == 0) break;
      if (xml_->name() != QLatin1String("font")) return UnknownElement();
      if (!CheckAttributes({"id", "size", "bold", "italic", "family"})) return false;
      FontSpec font;
      font.id = Attr("id").trimmed();
      if (font.id.isEmpty()) return Fail(Here(), QStringLiteral("<font> 要有 id"));
      for (const FontSpec& f : tpl_.fonts) {
        if (f.id == font.id) return Fail(Here(), QStringLiteral("字体“%1”重复定义").arg(font.id));
      }
      if (HasAttr("size") && !Number("size", 4, 96, &font.pointSize)) return false;
      if (HasAttr("bold") && !Boolean("bold", &font.bold)) return false;
      if (HasAttr("italic") && !Boolean("italic", &font.italic)) return false;
      font.family = Attr("family").trimmed();
      tpl_.fonts.append(font);
      if (!SkipElement()) return false;
    }
    stack_.removeLast();
    return true;
  }

  bool ReadFields() {
    if (!CheckAttributes({})) return false;
    stack_.append(QStringLiteral("fields"));
    for (;;) {
      const int r = NextChild();
      if (r < 0) return false;
      if (r == 0) break;
      if (xml_->name() != QLatin1String("field")) return UnknownElement();
      if (!CheckAttributes({"name"})) return false;
      const QString name = Attr("name");
      if (name.trimmed().isEmpty() || name.contains(u'{') || name.contains(u'}') ||
          name.startsWith(u'#')) {
        return Fail(Here(), QStringLiteral("字段名“%1”不可用：不能为空，不能含大括号，不能以 # 开头")
                                .arg(name));
      }
      if (tpl_.fields.contains(name)) {
        return Fail(Here(), QStringLiteral("字段“%1”重复声明").arg(name));
      }
      tpl_.fields.append(name);
      if (!SkipElement()) return false;
    }
    stack_.removeLast();
    return true;
  }

  // ---- second pass: bands -------------------------------------------------

  bool Style(Context* ctx, bool withHeight) {
    CellStyle& s = ctx->style;
    if (HasAttr("font")) {
      const QString id = Attr("font").trimmed();
      int index = -1;
      for (int i = 0; i < tpl_.fonts.size(); ++i) {
        if (tpl_.fonts[i].id == id) index = i;
      }
      if (index < 0) return Fail(Here(), QStringLiteral("字体“%1”没有在 <fonts> 里定义").arg(id));
      s.font = index;
    }
    if (HasAttr("align")) {
      const QString v = Attr("align").trimmed();
      if (v == QLatin1String("left")) {
        s.align = HAlign::Left;
      } else if (v == QLatin1String("center")) {
        s.align = HAlign::Center;
      } else if (v == QLatin1String("right")) {
        s.align = HAlign::Right;
      } else {
        return Fail(Here(), QStringLiteral("align 应是 left、center 或 right"));
      }
    }
    if (HasAttr("valign")) {
      const QString v = Attr("valign").trimmed();
      if (v == QLatin1String("top")) {
        s.valign = VAlign::Top;
      } else if (v == QLatin1String("middle")) {
        s.valign = VAlign::Middle;
      } else if (v == QLatin1String("bottom")) {
        s.valign = VAlign::Bottom;
      } else {
        return Fail(Here(), QStringLiteral("valign 应是 top、middle 或 bottom"));
      }
    }
    if (HasAttr("fit")) {
      const QString v = Attr("fit").trimmed();
      if (v == QLatin1String("wrap")) {
        s.fit = Fit::Wrap;
      } else if (v == QLatin1String("shrink")) {
        s.fit = Fit::Shrink;
      } else if (v == QLatin1String("clip")) {
        s.fit = Fit::Clip;
      } else {
        return Fail(Here(), QStringLiteral("fit 应是 wrap、shrink 或 clip"));
      }
    }
    if (HasAttr("border")) {
      Borders b;
      const QStringList parts = Attr("border").split(u' ', Qt::SkipEmptyParts);
      for (const QString& p : parts) {
        if (p == QLatin1String("all")) {
          b = Borders{true, true, true, true};
        } else if (p == QLatin1String("none")) {
          b = Borders{};
        } else if (p == QLatin1String("left")) {
          b.left = true;
        } else if (p == QLatin1String("top")) {
          b.top = true;
        } else if (p == QLatin1String("right")) {
          b.right = true;
        } else if (p == QLatin1String("bottom")) {
          b.bottom = true;
        } else {
          return Fail(Here(), QStringLiteral("border 的“%1”不认识：可用 all、none、left、top、right、bottom")
                                  .arg(p));
        }
      }
      s.borders = b;
    }
    if (HasAttr("border-width") && !Number("border-width", 0.1, 5, &s.borderWidthPt)) return false;
    if (HasAttr("padding")) {
      const QStringList parts = Attr("padding").split(u' ', Qt::SkipEmptyParts);
      bool ok1 = parts.size() == 1 || parts.size() == 2, ok2 = true;
      const double v = ok1 ? parts.first().toDouble(&ok1) : 0;
      const double h = parts.size() == 2 ? parts.last().toDouble(&ok2) : v;
      if (!ok1 || !ok2 || !(v >= 0 && v <= 20) || !(h >= 0 && h <= 20)) {
        return Fail(Here(), QStringLiteral("padding 应是一个或两个 0 到 20 之间的毫米数（上下 左右）"));
      }
      s.paddingVMm = v;
      s.paddingHMm = h;
    }
    if (withHeight && HasAttr("height") && !Number("height", 0, 500, &ctx->heightMm)) return false;
    return true;
  }

  bool Body() {
    if (!OpenRoot()) return false;
    Context root;
    if (!Style(&root, true)) return false;
    QSet<QString> seen;
    for (;;) {
      const int r = NextChild();
      if (r < 0) return false;
      if (r == 0) break;
      const QString name = xml_->name().toString();
      if (name == QLatin1String("paper") || name == QLatin1String("fonts") ||
          name == QLatin1String("fields")) {
        if (!SkipElement()) return false;
        continue;
      }
      BandSpec* band = name == QLatin1String("page-header")     ? &tpl_.pageHeader
                       : name == QLatin1String("report-header") ? &tpl_.reportHeader
                       : name == QLatin1String("report-footer") ? &tpl_.reportFooter
                       : name == QLatin1String("page-footer")   ? &tpl_.pageFooter
                                                                : nullptr;
      if (!band && name != QLatin1String("detail")) return UnknownElement();
      if (seen.contains(name)) return Fail(Here(), QStringLiteral("<%1> 只能有一个").arg(name));
      seen.insert(name);
      if (!(band ? ReadBand(root, band) : ReadDetail(root))) return false;
    }
    // Nothing may follow the root element.
    while (!xml_->atEnd()) {
      xml_->readNext();
      if (XmlFailed()) return false;
    }
    return true;
  }

  bool ReadBand(Context ctx, BandSpec* band) {
    if (!CheckAttributes(With(kStyleAttrs, {"height", "space"}))) return false;
    if (!Style(&ctx, true)) return false;
    if (HasAttr("space") && !Number("space", 0, 500, &band->spaceMm)) return false;
    grids_.push_back(std::make_unique<GridTarget>());
    GridTarget& target = *grids_.back();
    target.out = &band->grid;
    target.pos = Here();
    stack_.append(xml_->name().toString());
    for (;;) {
      const int r = NextChild();
      if (r < 0) return false;
      if (r == 0) break;
      if (xml_->name() == QLatin1String("columns")) {
        if (target.builder.HasColumns() || target.builder.RowCount() > 0) {
          return Fail(Here(), QStringLiteral("<columns> 只能有一个，且要写在各行之前"));
        }
        if (!ReadColumns(&target.builder)) return false;
      } else if (xml_->name() == QLatin1String("row")) {
        if (!ReadRow(ctx, &target)) return false;
      } else {
        return UnknownElement();
      }
    }
    stack_.removeLast();
    return true;
  }

  bool ReadDetail(Context ctx) {
    if (!CheckAttributes(With(kStyleAttrs, {"height"}))) return false;
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
    stack_.append(QStringLiteral("detail"));
    bool sawHeader = false, sawRecord = false;
    for (;;) {
      const int r = NextChild();
      if (r < 0) return false;
      if (r == 0) break;
      const QString name = xml_->name().toString();
      if (name == QLatin1String("columns")) {
        if (header.builder.HasColumns() || sawHeader || sawRecord) {
          return Fail(Here(), QStringLiteral("<columns> 只能有一个，且要写在 <column-header> 和 <record> 之前"));
        }
        if (!ReadColumns(&header.builder)) return false;
        record.builder.SetColumns(header.builder.DeclaredWidths(), header.builder.ColumnsPos());
      } else if (name == QLatin1String("column-header") || name == QLatin1String("record")) {
        bool& seen = name == QLatin1String("record") ? sawRecord : sawHeader;
        if (seen) return Fail(Here(), QStringLiteral("<%1> 只能有一个").arg(name));
        seen = true;
        if (!ReadSection(ctx, name == QLatin1String("record") ? &record : &header)) return false;
      } else {
        return UnknownElement();
      }
    }
    if (record.builder.RowCount() == 0) {
      return Fail(Here(), QStringLiteral("<detail> 要有 <record>，其中至少一个 <row>"));
    }
    stack_.removeLast();
    return true;
  }

  bool ReadSection(Context ctx, GridTarget* target) {
    if (!CheckAttributes(With(kStyleAttrs, {"height"}))) return false;
    if (!Style(&ctx, true)) return false;
    target->pos = Here();
    stack_.append(xml_->name().toString());
    for (;;) {
      const int r = NextChild();
      if (r < 0) return false;
      if (r == 0) break;
      if (xml_->name() != QLatin1String("row")) return UnknownElement();
      if (!ReadRow(ctx, target)) return false;
    }
    stack_.removeLast();
    return true;
  }

  bool ReadColumns(GridBuilder* builder) {
    if (!CheckAttributes({})) return false;
    const SourcePos pos = Here();
    stack_.append(QStringLiteral("columns"));
    QList<double> widths;
    for (;;) {
      const int r = NextChild();
      if (r < 0) return false;
      if (r == 0) break;
      if (xml_->name() != QLatin1String("column")) return UnknownElement();
      if (!CheckAttributes({"width"})) return false;
      double w = -1;
      if (HasAttr("width") && !Number("width", 0.5, 2000, &w)) return false;
      if (widths.size() >= GridBuilder::kMaxColumns) {
        return Fail(Here(), QStringLiteral("表格最多 %1 列").arg(GridBuilder::kMaxColumns));
      }
      widths.append(w);
      if (!SkipElement()) return false;
    }
    if (widths.isEmpty()) return Fail(pos, QStringLiteral("<columns> 里至少要有一个 <column>"));
    stack_.removeLast();
    builder->SetColumns(widths, pos);
    return true;
  }

  bool ReadRow(Context ctx, GridTarget* target) {
    if (!CheckAttributes(With(kStyleAttrs, {"height"}))) return false;
    if (!Style(&ctx, true)) return false;
    RowSpec row;
    row.minHeightMm = ctx.heightMm;
    row.font = ctx.style.font;
    row.paddingVMm = ctx.style.paddingVMm;
    target->builder.AddRow(row);
    stack_.append(QStringLiteral("row"));
    for (;;) {
      const int r = NextChild();
      if (r < 0) return false;
      if (r == 0) break;
      if (xml_->name() != QLatin1String("cell")) return UnknownElement();
      if (!ReadCell(ctx, target)) return false;
    }
    stack_.removeLast();
    return true;
  }

  bool ReadCell(Context ctx, GridTarget* target) {
    if (!CheckAttributes(With(kStyleAttrs, {"colspan", "rowspan"}))) return false;
    if (!Style(&ctx, false)) return false;
    CellSpec cell;
    cell.style = ctx.style;
    if (HasAttr("colspan") && !Integer("colspan", 1, GridBuilder::kMaxSpan, &cell.colSpan)) {
      return false;
    }
    if (HasAttr("rowspan") && !Integer("rowspan", 1, GridBuilder::kMaxSpan, &cell.rowSpan)) {
      return false;
    }
    const SourcePos cellPos = Here();
    CellTextBuilder text;
    // The character data of a cell starts right after the tag just read.
    SourcePos start{xml_->lineNumber(), xml_->columnNumber() + 1};
    for (;;) {
      const QXmlStreamReader::TokenType t = xml_->readNext();
      if (XmlFailed()) return false;
      if (t == QXmlStreamReader::Characters) {
        text.AddText(xml_->text().toString(), start);
      } else if (t == QXmlStreamReader::StartElement) {
        if (xml_->name() != QLatin1String("br")) {
          stack_.append(QStringLiteral("cell"));
          return UnknownElement();
        }
        if (!CheckAttributes({}) || !SkipElement()) return false;
        text.AddLineBreak();
      } else if (t == QXmlStreamReader::EndElement) {
        break;
      } else if (t == QXmlStreamReader::EntityReference) {
        return Fail(Here(), QStringLiteral("未知的实体引用“&%1;”").arg(xml_->name()));
      } else if (t == QXmlStreamReader::Invalid || xml_->atEnd()) {
        XmlFailed();
        return false;
      }
      start = SourcePos{xml_->lineNumber(), xml_->columnNumber() + 1};
    }
    SourcePos errorPos;
    QString reason;
    QList<FieldRef> refs;
    if (!text.Finish(&cell.text, &refs, &errorPos, &reason)) return Fail(errorPos, reason);
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
        return Fail(e.pos, e.reason);
      }
      detailColumns = std::max(headerColumns, recordColumns);
    }
    for (auto& target : grids_) {
      GridBuilder& b = target->builder;
      const bool inDetail = target.get() == detailHeader_ || target.get() == detailRecord_;
      int columns = 0;
      GridError e;
      if (!b.Place(inDetail ? detailColumns : 0, &columns, &e)) return Fail(e.pos, e.reason);
      GridSpec grid = b.Grid();
      QString reason;
      if (!GridBuilder::ResolveWidths(b.DeclaredWidths(), columns, contentWidth,
                                      &grid.columnWidthsMm, &reason)) {
        return Fail(b.ColumnsPos(), reason);
      }
      // Cells keep their order through placement, so the collected field
      // references still point at the right cells.
      for (const GridTarget::Ref& r : target->refs) {
        const int field = static_cast<int>(tpl_.fields.indexOf(r.ref.name));
        if (field < 0) {
          return Fail(r.ref.pos,
                      QStringLiteral("字段“%1”没有在 <fields> 里声明").arg(r.ref.name));
        }
        grid.cells[r.cell].text[r.ref.piece].field = field;
      }
      *target->out = std::move(grid);
    }
    return true;
  }

  QByteArray data_;
  std::unique_ptr<QXmlStreamReader> xml_;
  QStringList stack_;
  Template tpl_;
  SourcePos errorPos_;
  QString error_;
  std::vector<std::unique_ptr<GridTarget>> grids_;
  GridTarget* detailHeader_ = nullptr;
  GridTarget* detailRecord_ = nullptr;
};

}  // namespace

TemplateReadResult ReadTemplate(const QByteArray& data) { return Reader(data).Read(); }

}  // namespace rebound::report
