#pragma once
// The position grid's view. Taking the focus makes no cell current: a
// position counts as selected only when the user picks a cell (a plain
// item view would make its first cell current whenever it receives the
// focus after a refresh, for instance when a cell editor closes).

#include <QTableView>

namespace rebound {

class AreaGridView final : public QTableView {
    Q_OBJECT
public:
    using QTableView::QTableView;

protected:
    void focusInEvent(QFocusEvent *event) override;
};

} // namespace rebound
