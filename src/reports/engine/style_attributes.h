#pragma once

#include <QList>
#include <QSet>
#include <QString>

#include "template_model.h"
#include "xml_cursor.h"

// The style attributes a template may put on the report, a band, a detail
// section, a row or a cell; each level hands its values down to the next.
namespace rebound::report {

const QSet<QString>& StyleAttributeNames();

// Applies the style attributes of the current start tag to `style`, and its
// "height" to `heightMm` when that is given (rows, not cells).
bool ReadStyleAttributes(XmlCursor& cur, const QList<FontDef>& fonts, CellStyle* style,
                         double* heightMm);

}  // namespace rebound::report
