#include "area_grid_view.h"

namespace rebound {

void AreaGridView::focusInEvent(QFocusEvent *event)
{
    if (currentIndex().isValid()) {
        QTableView::focusInEvent(event);
        return;
    }
    QAbstractScrollArea::focusInEvent(event);
    viewport()->update();
}

} // namespace rebound
