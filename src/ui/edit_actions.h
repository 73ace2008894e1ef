#pragma once
// Cut, copy and paste on the focused one-line edit: a text field, the text
// of a date picker or the grid's cell editor. Each is enabled only when it
// applies there.

#include <QObject>
#include <QPointer>

class QAction;
class QLineEdit;
class QWidget;

namespace rebound {

class EditActions final : public QObject {
    Q_OBJECT
public:
    EditActions(QAction *cut, QAction *copy, QAction *paste, QObject *parent = nullptr);

    // The edit the actions work on, or none.
    static QLineEdit *TargetOf(QWidget *focus);
    void update();

private:
    void follow(QWidget *focus);

    QAction *cut_;
    QAction *copy_;
    QAction *paste_;
    QPointer<QLineEdit> target_;
};

} // namespace rebound
