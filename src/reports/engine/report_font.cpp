#include "report_font.h"

#include <QStringList>

#include <cmath>

#include "units.h"

namespace rebound::report {

QFont MakeReportFont(const FontDef& def, int pixelSize) {
  QStringList families;
  if (!def.family.isEmpty()) families.append(def.family);
  for (const char* f : kReportFamilies) families.append(QString::fromLatin1(f));
  QFont font;
  font.setFamilies(families);
  font.setPixelSize(pixelSize > 0 ? pixelSize : 1);
  font.setBold(def.bold);
  font.setItalic(def.italic);
  font.setHintingPreference(QFont::PreferNoHinting);
  font.setKerning(true);
  return font;
}

int BasePixelSize(const FontDef& def) {
  return static_cast<int>(std::lround(PointsToUnits(def.pointSize)));
}

}  // namespace rebound::report
