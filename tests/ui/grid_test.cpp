// The position grid: typed readings, the carbonation drop-down, New and
// Delete position and the random position.

#include "random_seed_dialog.h"
#include "ui_fixture.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace uitest;

namespace {

const QString kRange = QStringLiteral("请输入0~100的数！");

// Gives zone 0 `count` positions whose first reading is 1, 2, 3, ….
void NumberPositions(Fixture &f, int count)
{
    rebound::ComponentInfo &zone = *f.project().GetComponent(0);
    zone.areas.clear();
    for (int i = 0; i < count; ++i) {
        rebound::AreaData area;
        area.readings[0] = static_cast<std::uint8_t>(i + 1);
        zone.AddArea(area);
    }
    f.window().RefreshAll();
}

QStringList FirstReadings(Fixture &f)
{
    QStringList out;
    for (int row = 0; row < f.grid()->model()->rowCount(); ++row)
        out << f.cell(row, 1);
    return out;
}

} // namespace

class GridTest : public QObject {
    Q_OBJECT
private slots:
    void typedReadingIsChecked_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("stored");
        QTest::addColumn<bool>("refused");
        QTest::newRow("0") << "0" << 0 << false;
        QTest::newRow("100") << "100" << 100 << false;
        QTest::newRow("42") << "42" << 42 << false;
        QTest::newRow("150") << "150" << 100 << true;
        QTest::newRow("300") << "300" << 100 << true;
        QTest::newRow("letters") << "ab" << 10 << true;
        QTest::newRow("decimal") << "12.5" << 10 << true;
        QTest::newRow("negative") << "-5" << 10 << true;
        QTest::newRow("empty") << "" << 10 << false;
    }
    void typedReadingIsChecked()
    {
        QFETCH(QString, typed);
        QFETCH(int, stored);
        QFETCH(bool, refused);
        Fixture f;
        f.typeIntoCell(0, 3, typed);
        QCOMPARE(int(f.project().GetComponent(0)->areas[0].readings[2]), stored);
        QCOMPARE(f.cell(0, 3), QString::number(stored));
        QCOMPARE(f.prompter.messages, refused ? QStringList{kRange} : QStringList{});
        // Nothing is recomputed by an edit.
        QCOMPARE(f.cell(0, 14), QStringLiteral("10.0"));
    }

    void resultColumnsCannotBeTyped()
    {
        Fixture f;
        for (int column : {0, 14, 15})
            QVERIFY(!(f.grid()->model()->index(0, column).flags() & Qt::ItemIsEditable));
        QVERIFY(!f.grid()->model()->setData(f.grid()->model()->index(0, 14), QStringLiteral("99")));
        QCOMPARE(f.cell(0, 14), QStringLiteral("10.0"));
    }

    void carbonationIsPickedFromTheDropDown_data()
    {
        QTest::addColumn<int>("entry");
        QTest::addColumn<QString>("shown");
        QTest::newRow("0.5") << 1 << "0.50";
        QTest::newRow("3.0") << 6 << "3.00";
        QTest::newRow(">3.0") << 7 << "> 3.0";
        QTest::newRow("0.0") << 0 << "0.0";
    }
    void carbonationIsPickedFromTheDropDown()
    {
        QFETCH(int, entry);
        QFETCH(QString, shown);
        Fixture f;
        f.project().GetComponent(0)->areas[0].carbonation_code = 3;
        f.window().RefreshAreaGrid();
        f.selectCell(0, 13);
        auto *combo = f.grid()->findChild<QComboBox *>("cbDepth_Selected");
        QVERIFY(combo && combo->isVisible());
        QCOMPARE(combo->currentIndex(), 3);
        QCOMPARE(combo->count(), 8);
        QCOMPARE(combo->itemText(7), QStringLiteral(">3.0"));
        f.pickCarbonation(0, entry);
        QCOMPARE(int(f.project().GetComponent(0)->areas[0].carbonation_code), entry);
        f.selectCell(0, 1);
        QCOMPARE(f.cell(0, 13), shown);
    }

    void carbonationCodeFromAFileStaysUntilPicked()
    {
        Fixture f;
        f.project().GetComponent(0)->areas[0].carbonation_code = 9;
        f.window().RefreshAreaGrid();
        QCOMPARE(f.cell(0, 13), QStringLiteral("> 3.0"));
        f.selectCell(0, 13);
        f.selectCell(0, 2);
        QCOMPARE(int(f.project().GetComponent(0)->areas[0].carbonation_code), 9);
    }

    void newPositionIsAppended()
    {
        Fixture f;
        f.trigger("act_create_area");
        QCOMPARE(f.grid()->model()->rowCount(), 2);
        QCOMPARE(f.cell(1, 0), QStringLiteral("2"));
        QCOMPARE(f.cell(1, 12), QStringLiteral("10"));
        QCOMPARE(f.cell(1, 13), QStringLiteral("0.0"));
        QCOMPARE(f.cell(1, 15), QStringLiteral("0.0"));
        QCOMPARE(f.window().findChild<QLineEdit *>("txt_area_number")->text(), QStringLiteral("2"));
        QCOMPARE(f.listCell(0, 2), QStringLiteral("2"));
        QCOMPARE(f.window().current_item(), 0);
    }

    void deletePositionRefusals()
    {
        Fixture f;
        f.trigger("act_remove_area");
        QCOMPARE(f.prompter.messages, QStringList{QStringLiteral("测区删除失败！测区不能少于1个！")});

        f.trigger("act_create_area");
        f.prompter.clear();
        f.trigger("act_remove_area");
        QCOMPARE(f.prompter.messages, QStringList{QStringLiteral("请选择要删除的测区！")});

        f.selectCell(1, 4);
        f.prompter.clear();
        f.prompter.answers << rebound::Answer::No;
        f.trigger("act_remove_area");
        QCOMPARE(f.prompter.questions, QStringList{QStringLiteral("是否移除所选测区？")});
        QCOMPARE(f.project().GetComponent(0)->AreaCount(), 2u);
    }

    void deletePositionKeepsTheSelectedPlace()
    {
        Fixture f;
        NumberPositions(f, 3);
        f.selectCell(1, 5);
        f.prompter.answers << rebound::Answer::Yes;
        f.trigger("act_remove_area");
        QCOMPARE(FirstReadings(f), (QStringList{"1", "3"}));
        QCOMPARE(f.cell(1, 0), QStringLiteral("2"));
        QCOMPARE(f.window().findChild<QLineEdit *>("txt_area_number")->text(), QStringLiteral("2"));
        QCOMPARE(f.listCell(0, 2), QStringLiteral("2"));
        // The same place now holds the former third position.
        QCOMPARE(f.window().selected_area(), 1);
        f.trigger("act_create_area");
        f.prompter.answers << rebound::Answer::Yes;
        f.trigger("act_remove_area");
        QCOMPARE(FirstReadings(f), (QStringList{"1", "10"}));
    }

    void deletedPlacePastTheEndIsReported()
    {
        Fixture f;
        NumberPositions(f, 3);
        f.selectCell(2, 1);
        f.prompter.answers << rebound::Answer::Yes;
        f.trigger("act_remove_area");
        QCOMPARE(FirstReadings(f), (QStringList{"1", "2"}));
        f.prompter.answers << rebound::Answer::Yes;
        f.trigger("act_remove_area");
        QCOMPARE(f.prompter.messages, QStringList{QStringLiteral("测区删除失败!")});
        QCOMPARE(f.project().GetComponent(0)->AreaCount(), 2u);
    }

    void anotherZoneForgetsTheSelectedPosition()
    {
        Fixture f;
        NumberPositions(f, 3);
        f.trigger("act_create_component");
        f.trigger("act_create_area");
        f.list()->selectRow(0);
        f.selectCell(2, 13);
        QCOMPARE(f.window().selected_area(), 2);
        f.list()->selectRow(1);
        QCOMPARE(f.window().selected_area(), -1);
        QVERIFY(!f.grid()->findChild<QComboBox *>("cbDepth_Selected") ||
                !f.grid()->findChild<QComboBox *>("cbDepth_Selected")->isVisible());
        f.trigger("act_remove_area");
        QCOMPARE(f.prompter.messages, QStringList{QStringLiteral("请选择要删除的测区！")});
        QCOMPARE(f.project().GetComponent(1)->AreaCount(), 2u);
    }

    void zoneWithoutPositionsShowsOneEmptyRow()
    {
        Fixture f;
        f.project().GetComponent(0)->areas.clear();
        f.window().RefreshAll();
        QCOMPARE(f.grid()->model()->rowCount(), 1);
        for (int column = 0; column < 16; ++column) {
            QVERIFY(f.cell(0, column).isEmpty());
            QVERIFY(!(f.grid()->model()->index(0, column).flags() & Qt::ItemIsEditable));
        }
        QVERIFY(!f.grid()->model()->setData(f.grid()->model()->index(0, 1), QStringLiteral("20")));
        f.trigger("act_create_area");
        QCOMPARE(f.project().GetComponent(0)->AreaCount(), 1u);
        QCOMPARE(f.cell(0, 1), QStringLiteral("10"));
    }

    void randomPositionFollowsTheGenerator()
    {
        Fixture f;
        f.trigger("act_create_random_area");
        QCOMPARE(f.prompter.dialogs.size(), 1);
        QCOMPARE(f.prompter.dialogs.front()->windowTitle(), QStringLiteral("设置种子数据"));
        QStringList row;
        for (int c = 1; c <= 12; ++c)
            row << f.cell(1, c);
        QCOMPARE(row.join(' '), QStringLiteral("50 50 58 52 52 56 53 51 53 54 50 54"));
        QCOMPARE(f.cell(1, 13), QStringLiteral("0.0"));
        QCOMPARE(f.window().findChild<QLineEdit *>("txt_area_number")->text(), QStringLiteral("2"));
        // The next use continues the sequence: draws 7, 84, 5, …
        f.trigger("act_create_random_area");
        QCOMPARE(f.cell(2, 1), QStringLiteral("50"));
        QCOMPARE(f.cell(2, 2), QStringLiteral("58"));
    }

    void seedDialogTakesTheRange_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<QString>("readings");
        QTest::addColumn<QString>("message");
        QTest::newRow("reversed") << "60" << "50" << "50 50 58 52 52 56 53 51 53 54 50 54" << "";
        QTest::newRow("equal") << "70" << "70" << "70 70 70 70 70 70 70 70 70 70 70 70" << "";
        QTest::newRow("not a number") << "5x" << "60" << "50 50 58 52 52 56 53 51 53 54 50 54" << "输入有误";
    }
    void seedDialogTakesTheRange()
    {
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(QString, readings);
        QFETCH(QString, message);
        Fixture f;
        f.prompter.on_dialog = [&](QDialog &dialog) {
            auto &seed = static_cast<rebound::RandomSeedDialog &>(dialog);
            seed.firstEdit()->setText(first);
            seed.secondEdit()->setText(second);
            seed.okButton()->click();
            return seed.result();
        };
        f.trigger("act_create_random_area");
        QStringList row;
        for (int c = 1; c <= 12; ++c)
            row << f.cell(1, c);
        QCOMPARE(row.join(' '), readings);
        QCOMPARE(f.prompter.messages, message.isEmpty() ? QStringList{} : QStringList{message});
        // The edits keep what was typed.
        QCOMPARE(f.windows->seed.firstEdit()->text(), first);
    }

    void randomPositionWithoutZoneAddsNothing()
    {
        Fixture f;
        f.trigger("act_remove_component");
        f.trigger("act_create_random_area");
        QCOMPARE(f.prompter.dialogs.size(), 1);
        QCOMPARE(f.project().ComponentCount(), 0u);
    }
};

QObject *MakeGridTest()
{
    return new GridTest;
}

#include "grid_test.moc"
