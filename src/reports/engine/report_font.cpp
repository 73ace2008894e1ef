#include "report_font.h"

#include <QStringList>

#include <cmath>

#include "units.h"

namespace rebound::report {

QFont MakeReportFont(const FontSpec& spec, int pixelSize) {
  QStringList families;
  if (!spec.family.isEmpty()) families.append(spec.family);
  for (const char* f : kReportFamilies) families.append(QString::fromLatin1(f));
  QFont font;
  font.setFamilies(families);
  font.setPixelSize(pixelSize > 0 ? pixelSize : 1);
  font.setBold(spec.bold);
  font.setItalic(spec.italic);
  font.setHintingPreference(QFont::PreferNoHinting);
  font.setKerning(true);
  return font;
}

int BasePixelSize(const FontSpec& spec) {
  return static_cast<int>(std::lround(PointsToUnits(spec.pointSize)));
}

}  // namespace rebound::report
