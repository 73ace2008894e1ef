#include "qt_prompter.h"

#include "app_texts.h"

#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

namespace rebound {

void QtPrompter::inform(const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, ApplicationTitle(), text, QMessageBox::Ok, parent_);
    box.button(QMessageBox::Ok)->setText(QStringLiteral("确定"));
    box.exec();
}

Answer QtPrompter::ask(const QString &text, Buttons buttons)
{
    QMessageBox::StandardButtons shown = QMessageBox::Yes | QMessageBox::No;
    if (buttons == Buttons::YesNoCancel)
        shown |= QMessageBox::Cancel;
    QMessageBox box(QMessageBox::NoIcon, QuestionTitle(), text, shown, parent_);
    box.button(QMessageBox::Yes)->setText(QStringLiteral("是(&Y)"));
    box.button(QMessageBox::No)->setText(QStringLiteral("否(&N)"));
    if (buttons == Buttons::YesNoCancel)
        box.button(QMessageBox::Cancel)->setText(QStringLiteral("取消"));
    box.setDefaultButton(QMessageBox::Yes);
    // Closing the box without a button counts as the safest answer.
    box.setEscapeButton(buttons == Buttons::YesNoCancel ? QMessageBox::Cancel : QMessageBox::No);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return buttons == Buttons::YesNoCancel ? Answer::Cancel : Answer::No;
    }
}

QString QtPrompter::openFile(const QString &filter)
{
    const QString path = QFileDialog::getOpenFileName(parent_, QString(), last_dir_, filter);
    if (!path.isEmpty())
        last_dir_ = QFileInfo(path).absolutePath();
    return path;
}

QStringList QtPrompter::openFiles(const QString &filter)
{
    const QStringList paths = QFileDialog::getOpenFileNames(parent_, QString(), last_dir_, filter);
    if (!paths.isEmpty())
        last_dir_ = QFileInfo(paths.front()).absolutePath();
    return paths;
}

QString QtPrompter::saveFile(const QString &filter, bool &dialog_confirmed_overwrite)
{
    const QString path = QFileDialog::getSaveFileName(parent_, QString(), last_dir_, filter);
    // Qt's save dialog asks before it returns the name of an existing file.
    dialog_confirmed_overwrite = !path.isEmpty() && QFileInfo::exists(path);
    if (!path.isEmpty())
        last_dir_ = QFileInfo(path).absolutePath();
    return path;
}

int QtPrompter::runDialog(QDialog &dialog)
{
    return dialog.exec();
}

} // namespace rebound
