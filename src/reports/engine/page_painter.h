#pragma once

#include <QPainter>
#include <QRectF>

#include "page_model.h"

namespace rebound::report {

// Draws page `pageIndex` of `doc` so that the whole sheet of paper fills
// `target` (painter coordinates). The one routine behind the viewer, the
// printer and PDF. The paper itself is not filled.
void paintPage(QPainter& painter, const Document& doc, int pageIndex, const QRectF& target);

}  // namespace rebound::report
