// The calculation command: its refusals, its question and what it shows.

#include "ui_fixture.h"

#include <QLineEdit>
#include <QTest>

using namespace uitest;
using rebound::Answer;

namespace {

// Zones whose positions all read `reading`, so their strengths differ.
void MakeZones(Fixture &f, std::initializer_list<int> readings)
{
    f.project().Reset();
    for (int reading : readings) {
        rebound::ComponentInfo &zone = f.project().AddDefaultComponent();
        zone.areas[0].readings.fill(static_cast<std::uint8_t>(reading));
    }
    f.window().RefreshAll();
}

} // namespace

class CalculationTest : public QObject {
    Q_OBJECT
private slots:
    void refusesTooFewZones()
    {
        Fixture f;
        f.trigger("act_single_caculate");
        QCOMPARE(f.prompter.messages, QStringList{QStringLiteral("不能计算，测区数应该至少2个！")});
        QVERIFY(f.prompter.questions.isEmpty());
    }

    void refusesZonesWithoutPositions()
    {
        Fixture f;
        MakeZones(f, {30, 32, 34, 36});
        f.project().GetComponent(1)->areas.clear();
        f.project().GetComponent(3)->areas.clear();
        const float before = f.project().GetComponent(0)->areas[0].strength;
        f.trigger("act_single_caculate");
        QCOMPARE(f.prompter.messages, QStringList{QStringLiteral("不能计算，以下测区没有测位：2、4")});
        QVERIFY(f.prompter.questions.isEmpty());
        QCOMPARE(f.project().GetComponent(0)->areas[0].strength, before);
    }

    void answerNoChangesNothing()
    {
        Fixture f;
        MakeZones(f, {30, 32});
        f.prompter.answers << Answer::No;
        f.trigger("act_single_caculate");
        QCOMPARE(f.prompter.questions, QStringList{QStringLiteral("是否要对整个单元进行重新计算？")});
        QCOMPARE(f.project().assessed_strength, 0.0f);
        QCOMPARE(f.cell(0, 15), QStringLiteral("0.0"));
    }

    void resultsAppearEverywhereAndTheZoneStaysSelected()
    {
        Fixture f;
        MakeZones(f, {30, 32, 34});
        f.list()->selectRow(2);
        f.selectCell(0, 4);
        f.prompter.answers << Answer::Yes;
        f.trigger("act_single_caculate");
        const rebound::ReboundFile &p = f.project();
        QVERIFY(p.assessed_strength > 0.0f);
        QCOMPARE(f.window().current_item(), 2);
        QCOMPARE(f.window().selected_area(), 0);
        const auto shown = [&](const char *name) { return f.window().findChild<QLineEdit *>(name)->text(); };
        QCOMPARE(shown("txt_Fn"), QString::asprintf("%.1f", double(p.assessed_strength)));
        QCOMPARE(shown("txt_sfcu"), QString::asprintf("%.2f", double(p.strength_std_dev)));
        QCOMPARE(shown("txt_Cv"), QString::asprintf("%.2f", double(p.variation_coefficient)));
        QCOMPARE(shown("Edit_CequPinjun"), QString::asprintf("%.2f", double(p.zone_strength_mean)));
        QCOMPARE(shown("Edit_MinCequ"), QString::asprintf("%.2f", double(p.zone_strength_min)));
        QCOMPARE(shown("Edit_AreaNum"), QStringLiteral("3"));
        QCOMPARE(shown("Edit_FNI"), QString::asprintf("%.2f", double(p.GetComponent(2)->mean_strength)));
        QCOMPARE(f.cell(0, 14), QStringLiteral("34.0"));
        QCOMPARE(f.cell(0, 15), QString::asprintf("%.1f", double(p.GetComponent(2)->areas[0].strength)));

        // A later edit changes no shown result until the next calculation.
        f.typeIntoCell(0, 1, QStringLiteral("50"));
        QCOMPARE(f.cell(0, 14), QStringLiteral("34.0"));
    }
};

QObject *MakeCalculationTest()
{
    return new CalculationTest;
}

#include "calculation_test.moc"
