#include "text_layout.h"

#include <QTextLayout>
#include <QTextOption>

#include <algorithm>
#include <cmath>

#include "report_font.h"

namespace rebound::report {

TextMeasurer::TextMeasurer(const QList<FontDef>& fonts) : fonts_(fonts) {
  if (fonts_.isEmpty()) fonts_.append(FontDef{});
}

const QFont& TextMeasurer::Font(int font, int pixelSize) {
  font = std::clamp(font, 0, static_cast<int>(fonts_.size()) - 1);
  const quint64 key = (static_cast<quint64>(font) << 32) | static_cast<quint32>(pixelSize);
  auto it = cache_.find(key);
  if (it == cache_.end()) it = cache_.insert(key, MakeReportFont(fonts_[font], pixelSize));
  return it.value();
}

double TextMeasurer::LineHeight(int font) {
  font = std::clamp(font, 0, static_cast<int>(fonts_.size()) - 1);
  return Lines(QString(), font, BasePixelSize(fonts_[font]), 1e9, false).height;
}

TextBlock TextMeasurer::Lines(const QString& text, int font, int pixelSize, double width,
                              bool wrap) {
  QString t = text;
  t.replace(u'\n', QChar::LineSeparator);
  QTextLayout layout(t, Font(font, pixelSize));
  QTextOption option;
  option.setWrapMode(wrap ? QTextOption::WrapAtWordBoundaryOrAnywhere : QTextOption::NoWrap);
  option.setUseDesignMetrics(true);
  layout.setTextOption(option);
  layout.setCacheEnabled(false);
  TextBlock block;
  block.pixelSize = pixelSize;
  double y = 0;
  layout.beginLayout();
  for (;;) {
    QTextLine line = layout.createLine();
    if (!line.isValid()) break;
    line.setLineWidth(wrap ? std::max(width, 1.0) : 1e9);
    line.setPosition(QPointF(0, y));
    QString s = t.mid(line.textStart(), line.textLength());
    s.remove(QChar::LineSeparator);
    while (!s.isEmpty() && s.back().isSpace()) s.chop(1);
    block.lines.append(TextLine{s, QPointF(0, y + line.ascent()), line.naturalTextWidth()});
    y += line.height();
  }
  layout.endLayout();
  block.height = y;
  return block;
}

double TextMeasurer::NaturalWidth(const QString& text, int font, int pixelSize) {
  double w = 0;
  for (const TextLine& l : Lines(text, font, pixelSize, 1e9, false).lines) w = std::max(w, l.width);
  return w;
}

TextBlock TextMeasurer::Layout(const QString& text, int font, double width, Fit fit,
                               HAlign align) {
  font = std::clamp(font, 0, static_cast<int>(fonts_.size()) - 1);
  const int base = BasePixelSize(fonts_[font]);
  TextBlock block;
  if (fit == Fit::Clip) {
    block = Lines(text, font, base, width, false);
    block.clip = true;
  } else if (fit == Fit::Shrink) {
    int size = base;
    double natural = NaturalWidth(text, font, size);
    const int smallest = std::min(base, kMinShrinkPixelSize);
    if (natural > width && natural > 0) {
      size = std::max(smallest, static_cast<int>(std::floor(size * width / natural)));
      natural = NaturalWidth(text, font, size);
      // Glyph advances do not scale exactly linearly; step down the rest.
      while (natural > width && size > smallest) {
        size = std::max(smallest, size - std::max(1, size / 50));
        natural = NaturalWidth(text, font, size);
      }
    }
    block = Lines(text, font, size, width, natural > width);
  } else {
    block = Lines(text, font, base, width, true);
  }
  for (TextLine& l : block.lines) {
    const double free = width - l.width;
    if (align == HAlign::Center) {
      l.baseline.rx() += free / 2;
    } else if (align == HAlign::Right) {
      l.baseline.rx() += free;
    }
    if (block.clip && l.baseline.x() < 0) l.baseline.setX(0);
  }
  return block;
}

}  // namespace rebound::report
