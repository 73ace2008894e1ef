#pragma once

#include <QFont>
#include <QHash>
#include <QList>
#include <QString>

#include "page_model.h"
#include "template_model.h"

// Breaks a cell's text into lines for a given width, by the cell's fit rule.
namespace rebound::report {

struct TextBlock {
  QList<TextLine> lines;  // baselines relative to the block's top-left, x aligned in the width
  double height = 0;
  int pixelSize = 0;
  bool clip = false;
};

class TextMeasurer {
 public:
  explicit TextMeasurer(const QList<FontDef>& fonts);

  // wrap: lines break at the width, the block grows downwards.
  // shrink: one line per text line, the font made smaller until it fits;
  //   at the smallest size it wraps rather than lose text.
  // clip: one line per text line at the full size, cut at the cell edge.
  TextBlock Layout(const QString& text, int font, double width, Fit fit, HAlign align);

  // Height of one line of `font` at its size.
  double LineHeight(int font);

  static constexpr int kMinShrinkPixelSize = 100;  // 5 pt

 private:
  const QFont& Font(int font, int pixelSize);
  TextBlock Lines(const QString& text, int font, int pixelSize, double width, bool wrap);
  double NaturalWidth(const QString& text, int font, int pixelSize);

  QList<FontDef> fonts_;
  QHash<quint64, QFont> cache_;
};

}  // namespace rebound::report
