#pragma once

#include <QFont>

#include "template_model.h"

namespace rebound::report {

// The families every report font tries, in order. Their PDF text copies out
// as the same characters that were printed (页 stays 页).
inline const char* const kReportFamilies[] = {"WenQuanYi Micro Hei", "WenQuanYi Zen Hei"};

// The font for `def` at a size in layout units. Always built with explicit
// families so that nothing depends on the system's default font; hinting is
// off so that text measures the same on every device.
QFont MakeReportFont(const FontDef& def, int pixelSize);

int BasePixelSize(const FontDef& def);

}  // namespace rebound::report
