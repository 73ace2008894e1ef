// Fast entry in the position grid: Enter and Tab go on through the
// readings, a block of readings pastes at the current cell.

#include "grid_entry.h"
#include "ui_fixture.h"

#include <QClipboard>
#include <QComboBox>
#include <QTest>

using namespace uitest;

namespace {

void TwoPositions(Fixture &f)
{
    f.project().GetComponent(0)->AddArea(rebound::AreaData());
    f.window().RefreshAll();
}

void Focus(Fixture &f)
{
    f.window().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f.window()));
    f.grid()->setFocus();
    Flush();
}

// Keys go where the focus is, as a keyboard's do.
void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    Flush();
}

void Keys(const QString &text)
{
    for (const QChar c : text)
        QTest::keyClicks(QApplication::focusWidget(), QString(c));
    Flush();
}

// A cell editor has the focus.
bool Editing(Fixture &f)
{
    QWidget *focus = QApplication::focusWidget();
    return focus && focus != f.grid()->viewport() && f.grid()->viewport()->isAncestorOf(focus);
}

QPoint Current(Fixture &f)
{
    const QModelIndex at = f.grid()->currentIndex();
    return {at.row(), at.column()};
}

int Reading(Fixture &f, int row, int column)
{
    return f.project().GetComponent(0)->areas[static_cast<std::size_t>(row)].readings[static_cast<std::size_t>(column - 1)];
}

QString Row(Fixture &f, int row)
{
    QStringList out;
    for (int column = 1; column <= 12; ++column)
        out << QString::number(Reading(f, row, column));
    return out.join(' ');
}

} // namespace

class EntryTest : public QObject {
    Q_OBJECT
private slots:
    void nextReadingCell_data()
    {
        QTest::addColumn<QPoint>("from");  // (row, column)
        QTest::addColumn<int>("step");
        QTest::addColumn<QPoint>("to");    // (−1, −1): none
        QTest::newRow("along the readings") << QPoint(0, 3) << 1 << QPoint(0, 4);
        QTest::newRow("twelfth to the next position") << QPoint(0, 12) << 1 << QPoint(1, 1);
        QTest::newRow("number column to the first reading") << QPoint(1, 0) << 1 << QPoint(1, 1);
        QTest::newRow("carbonation to the next position") << QPoint(0, 13) << 1 << QPoint(1, 1);
        QTest::newRow("past the last position") << QPoint(1, 12) << 1 << QPoint(-1, -1);
        QTest::newRow("back along the readings") << QPoint(1, 5) << -1 << QPoint(1, 4);
        QTest::newRow("first back to the previous twelfth") << QPoint(1, 1) << -1 << QPoint(0, 12);
        QTest::newRow("result back to the twelfth") << QPoint(0, 15) << -1 << QPoint(0, 12);
        QTest::newRow("before the first position") << QPoint(0, 1) << -1 << QPoint(-1, -1);
    }
    void nextReadingCell()
    {
        QFETCH(QPoint, from);
        QFETCH(int, step);
        QFETCH(QPoint, to);
        Fixture f;
        TwoPositions(f);
        const QAbstractItemModel &model = *f.grid()->model();
        const QModelIndex next = rebound::NextReadingCell(model, model.index(from.x(), from.y()), step);
        QCOMPARE(next.isValid() ? QPoint(next.row(), next.column()) : QPoint(-1, -1), to);
    }

    void enterAndTabGoOnThroughTheReadings()
    {
        Fixture f;
        TwoPositions(f);
        Focus(f);
        // Enter in a cell editor stores the reading and goes on.
        f.typeIntoCell(0, 1, QStringLiteral("21"));
        QCOMPARE(Reading(f, 0, 1), 21);
        QCOMPARE(Current(f), QPoint(0, 2));
        // Typing on the selected cell replaces its reading; Tab stores it
        // and goes on without opening the next cell.
        Keys(QStringLiteral("33"));
        Key(Qt::Key_Tab);
        QCOMPARE(Reading(f, 0, 2), 33);
        QCOMPARE(Current(f), QPoint(0, 3));
        QVERIFY(!Editing(f));
        // Enter and Tab on a selected cell go on too.
        Key(Qt::Key_Return);
        QCOMPARE(Current(f), QPoint(0, 4));
        Key(Qt::Key_Tab);
        QCOMPARE(Current(f), QPoint(0, 5));
        // The twelfth reading leads to the next position's first, past the
        // carbonation; Shift+Tab goes back.
        f.selectCell(0, 12);
        Keys(QStringLiteral("44"));
        Key(Qt::Key_Return);
        QCOMPARE(Reading(f, 0, 12), 44);
        QCOMPARE(Current(f), QPoint(1, 1));
        QCOMPARE(f.window().selected_area(), 1);
        Key(Qt::Key_Backtab);
        QCOMPARE(Current(f), QPoint(0, 12));
        // At the very end the cell stays and keeps the focus.
        f.selectCell(1, 12);
        Key(Qt::Key_Tab);
        QCOMPARE(Current(f), QPoint(1, 12));
        QVERIFY(f.grid()->hasFocus());
        // Nothing refused, nothing recomputed.
        QVERIFY(f.prompter.messages.isEmpty());
        QCOMPARE(f.cell(0, 14), QStringLiteral("10.0"));
    }

    void carbonationDropDownPassesOnToTheNextPosition()
    {
        Fixture f;
        TwoPositions(f);
        Focus(f);
        f.selectCell(0, 13);
        auto *combo = qobject_cast<QComboBox *>(QApplication::focusWidget());
        QVERIFY(combo && combo->objectName() == "cbDepth_Selected");
        Key(Qt::Key_Tab);
        QCOMPARE(Current(f), QPoint(1, 1));
        QCOMPARE(int(f.project().GetComponent(0)->areas[0].carbonation_code), 0);
    }

    void pickingAnotherCellWhileEditingStaysThere()
    {
        Fixture f;
        TwoPositions(f);
        Focus(f);
        f.selectCell(0, 5);
        Keys(QStringLiteral("55"));
        QVERIFY(Editing(f));
        f.selectCell(1, 7);
        QCOMPARE(Reading(f, 0, 5), 55);
        QCOMPARE(Current(f), QPoint(1, 7));
    }

    void pasteFillsCellsFromTheCurrentOne_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QPoint>("at");  // (row, column)
        QTest::addColumn<bool>("by_key");
        QTest::addColumn<QString>("row1");
        QTest::addColumn<QString>("row2");
        QTest::addColumn<QString>("message");
        const QString tens = QStringLiteral("10 10 10 10 10 10 10 10 10 10 10 10");
        QTest::newRow("spreadsheet block, Ctrl+V")
            << "11\t12\t13\r\n21\t22\t23\r\n" << QPoint(0, 2) << true << "10 11 12 13 10 10 10 10 10 10 10 10"
            << "10 21 22 23 10 10 10 10 10 10 10 10" << "";
        QTest::newRow("blanks, lines and a blank line")
            << "31 32\u3000 33\n\n41" << QPoint(0, 10) << false << "10 10 10 10 10 10 10 10 10 31 32 33" << tens
            << "另有1个数值超出测位表格，未粘贴。";
        QTest::newRow("refused values keep their readings")
            << "50\t150\tabc\t\t-1\t7" << QPoint(0, 1) << false << "50 10 10 10 10 7 10 10 10 10 10 10" << tens
            << "请输入0~100的数！以下数值未粘贴：150（测位1第2个读数）、abc（测位1第3个读数）、-1（测位1第5个读数）";
        QTest::newRow("wider than the readings")
            << "1 2 3 4 5 6 7 8 9 10 11 12 13" << QPoint(1, 1) << false << tens << "1 2 3 4 5 6 7 8 9 10 11 12"
            << "另有1个数值超出测位表格，未粘贴。";
        QTest::newRow("from the number column") << "5 6" << QPoint(1, 0) << false << tens
                                                << "5 6 10 10 10 10 10 10 10 10 10 10" << "";
        QTest::newRow("not from a result column") << "5 6" << QPoint(0, 14) << false << tens << tens
                                                  << "请先选择粘贴起点：一个回弹值单元格。";
    }
    void pasteFillsCellsFromTheCurrentOne()
    {
        QFETCH(QString, text);
        QFETCH(QPoint, at);
        QFETCH(bool, by_key);
        QFETCH(QString, row1);
        QFETCH(QString, row2);
        QFETCH(QString, message);
        Fixture f;
        TwoPositions(f);
        Focus(f);
        f.selectCell(at.x(), at.y());
        QApplication::clipboard()->setText(text);
        Flush();
        if (by_key) {
            QTest::keySequence(f.grid(), QKeySequence::Paste);
            Flush();
        } else {
            f.trigger("EditPaste1");
        }
        QCOMPARE(Row(f, 0), row1);
        QCOMPARE(Row(f, 1), row2);
        QCOMPARE(f.cell(0, 2), QString::number(Reading(f, 0, 2)));
        QCOMPARE(f.prompter.messages, message.isEmpty() ? QStringList{} : QStringList{message});
        // The cell stays where the paste started.
        QCOMPARE(Current(f), at);
    }

    void longRefusalListsAreCut()
    {
        rebound::PasteOutcome outcome;
        for (int i = 0; i < 25; ++i)
            outcome.refused << QStringLiteral("x%1").arg(i);
        const QString message = rebound::PasteMessage(outcome);
        QVERIFY(message.contains(QStringLiteral("x19")));
        QVERIFY(!message.contains(QStringLiteral("x20")));
        QVERIFY(message.endsWith(QStringLiteral(" 等共25个")));
    }
};

QObject *MakeEntryTest()
{
    return new EntryTest;
}

#include "entry_test.moc"
