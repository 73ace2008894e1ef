#include "edit_actions.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMimeData>

namespace rebound {

EditActions::EditActions(QAction *cut, QAction *copy, QAction *paste, QObject *parent)
    : QObject(parent), cut_(cut), copy_(copy), paste_(paste)
{
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) { follow(now); });
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, &EditActions::update);
    connect(cut_, &QAction::triggered, this, [this] {
        if (target_)
            target_->cut();
    });
    connect(copy_, &QAction::triggered, this, [this] {
        if (target_)
            target_->copy();
    });
    connect(paste_, &QAction::triggered, this, [this] {
        if (target_)
            target_->paste();
    });
    follow(QApplication::focusWidget());
}

QLineEdit *EditActions::TargetOf(QWidget *focus)
{
    if (auto *edit = qobject_cast<QLineEdit *>(focus))
        return edit;
    // A date picker keeps the focus itself; its text is an inner line edit.
    if (auto *spin = qobject_cast<QAbstractSpinBox *>(focus))
        return spin->findChild<QLineEdit *>(QString(), Qt::FindDirectChildrenOnly);
    return nullptr;
}

void EditActions::follow(QWidget *focus)
{
    if (target_)
        disconnect(target_, nullptr, this, nullptr);
    target_ = TargetOf(focus);
    if (target_) {
        connect(target_, &QLineEdit::selectionChanged, this, &EditActions::update);
        connect(target_, &QLineEdit::textChanged, this, &EditActions::update);
    }
    update();
}

void EditActions::update()
{
    const bool selected = target_ && target_->hasSelectedText() && target_->echoMode() == QLineEdit::Normal;
    const bool writable = target_ && !target_->isReadOnly() && target_->isEnabled();
    const QMimeData *clip = QGuiApplication::clipboard()->mimeData();
    cut_->setEnabled(selected && writable);
    copy_->setEnabled(selected);
    paste_->setEnabled(writable && clip && clip->hasText() && !clip->text().isEmpty());
}

} // namespace rebound
