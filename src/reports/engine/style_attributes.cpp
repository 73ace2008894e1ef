#include "style_attributes.h"

namespace rebound::report {

const QSet<QString>& StyleAttributeNames() {
  static const QSet<QString> names = {"font",   "align",        "valign", "fit",
                                      "border", "border-width", "padding"};
  return names;
}

bool ReadStyleAttributes(XmlCursor& cur, const QList<FontDef>& fonts, CellStyle* style,
                         double* heightMm) {
  CellStyle& s = *style;
  if (cur.HasAttr("font")) {
    const QString id = cur.Attr("font").trimmed();
    int index = -1;
    for (int i = 0; i < fonts.size(); ++i) {
      if (fonts[i].id == id) index = i;
    }
    if (index < 0) return cur.Fail(cur.Here(), QStringLiteral("字体“%1”没有在 <fonts> 里定义").arg(id));
    s.font = index;
  }
  if (cur.HasAttr("align")) {
    const QString v = cur.Attr("align").trimmed();
    if (v == QLatin1String("left")) {
      s.align = HAlign::Left;
    } else if (v == QLatin1String("center")) {
      s.align = HAlign::Center;
    } else if (v == QLatin1String("right")) {
      s.align = HAlign::Right;
    } else {
      return cur.Fail(cur.Here(), QStringLiteral("align 应是 left、center 或 right"));
    }
  }
  if (cur.HasAttr("valign")) {
    const QString v = cur.Attr("valign").trimmed();
    if (v == QLatin1String("top")) {
      s.valign = VAlign::Top;
    } else if (v == QLatin1String("middle")) {
      s.valign = VAlign::Middle;
    } else if (v == QLatin1String("bottom")) {
      s.valign = VAlign::Bottom;
    } else {
      return cur.Fail(cur.Here(), QStringLiteral("valign 应是 top、middle 或 bottom"));
    }
  }
  if (cur.HasAttr("fit")) {
    const QString v = cur.Attr("fit").trimmed();
    if (v == QLatin1String("wrap")) {
      s.fit = Fit::Wrap;
    } else if (v == QLatin1String("shrink")) {
      s.fit = Fit::Shrink;
    } else if (v == QLatin1String("clip")) {
      s.fit = Fit::Clip;
    } else {
      return cur.Fail(cur.Here(), QStringLiteral("fit 应是 wrap、shrink 或 clip"));
    }
  }
  if (cur.HasAttr("border")) {
    Borders b;
    const QStringList parts = cur.Attr("border").split(u' ', Qt::SkipEmptyParts);
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
        return cur.Fail(cur.Here(), QStringLiteral("border 的“%1”不认识：可用 all、none、left、top、right、bottom")
                                .arg(p));
      }
    }
    s.borders = b;
  }
  if (cur.HasAttr("border-width") && !cur.Number("border-width", 0.1, 5, &s.borderWidthPt)) return false;
  if (cur.HasAttr("padding")) {
    const QStringList parts = cur.Attr("padding").split(u' ', Qt::SkipEmptyParts);
    bool ok1 = parts.size() == 1 || parts.size() == 2, ok2 = true;
    const double v = ok1 ? parts.first().toDouble(&ok1) : 0;
    const double h = parts.size() == 2 ? parts.last().toDouble(&ok2) : v;
    if (!ok1 || !ok2 || !(v >= 0 && v <= 20) || !(h >= 0 && h <= 20)) {
      return cur.Fail(cur.Here(), QStringLiteral("padding 应是一个或两个 0 到 20 之间的毫米数（上下 左右）"));
    }
    s.paddingVMm = v;
    s.paddingHMm = h;
  }
  if (heightMm && cur.HasAttr("height") && !cur.Number("height", 0, 500, heightMm)) return false;
  return true;
}

}  // namespace rebound::report
