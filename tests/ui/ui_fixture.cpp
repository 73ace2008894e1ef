#include "ui_fixture.h"

#include <QComboBox>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>

namespace uitest {

void InstallShippedTemplates(const QString &base)
{
    const QString shipped = QStringLiteral(REBOUND_SOURCE_DIR "/report");
    QDirIterator it(shipped, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString from = it.next();
        const QString to = base + QStringLiteral("/report/") + QDir(shipped).relativeFilePath(from);
        QDir().mkpath(QFileInfo(to).absolutePath());
        QVERIFY2(QFile::copy(from, to), qPrintable(to));
    }
}

void TypeText(QWidget *widget, const QString &text)
{
    for (const char32_t code : text.toUcs4()) {
        const QString one = QString::fromUcs4(&code, 1);
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, one);
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, one);
        QApplication::sendEvent(widget, &release);
    }
}

void Fixture::typeIntoCell(int row, int column, const QString &text)
{
    const QModelIndex index = grid()->model()->index(row, column);
    grid()->setCurrentIndex(index);
    grid()->edit(index);
    QLineEdit *editor = nullptr;
    for (QLineEdit *candidate : grid()->viewport()->findChildren<QLineEdit *>()) {
        if (candidate->isVisible())
            editor = candidate;
    }
    QVERIFY2(editor, "no cell editor opened");
    editor->selectAll();
    TypeText(editor, text);
    QTest::keyClick(editor, Qt::Key_Return);
    Flush();
}

void Fixture::pickCarbonation(int row, int entry)
{
    selectCell(row, rebound::PositionGridModel::kCarbonationColumn);
    QComboBox *combo = grid()->findChild<QComboBox *>(QStringLiteral("cbDepth_Selected"));
    QVERIFY2(combo && combo->isVisible(), "no carbonation drop-down");
    combo->setCurrentIndex(entry);
    emit combo->activated(entry);
    Flush();
}

} // namespace uitest
