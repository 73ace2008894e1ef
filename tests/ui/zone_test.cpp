// The zone list and panel: New zone, Delete zone, the panel's edits and a
// zone date that does not parse.

#include "component_panel.h"
#include "date_picker.h"
#include "gbk_text.h"
#include "ui_fixture.h"

#include <QLineEdit>
#include <QTest>

using namespace uitest;

namespace {

// Names the project's zones Z1, Z2, … and shows them.
void NameZones(Fixture &f, int count)
{
    while (f.project().ComponentCount() < static_cast<std::size_t>(count))
        f.project().AddDefaultComponent();
    for (int i = 0; i < count; ++i)
        f.project().GetComponent(static_cast<std::size_t>(i))->component_name = "Z" + std::to_string(i + 1);
    f.window().RefreshAll();
}

QStringList ListNames(Fixture &f)
{
    QStringList names;
    for (int row = 0; row < f.list()->model()->rowCount(); ++row)
        names << f.listCell(row, 1);
    return names;
}

} // namespace

class ZoneTest : public QObject {
    Q_OBJECT
private slots:
    void newZoneIsAppendedAndSelected()
    {
        Fixture f;
        NameZones(f, 3);
        f.trigger("act_create_component");
        QCOMPARE(ListNames(f), (QStringList{"Z1", "Z2", "Z3", "新测区"}));
        QCOMPARE(f.listCell(3, 0), QStringLiteral("4"));
        QCOMPARE(f.listCell(3, 2), QStringLiteral("1"));
        QCOMPARE(f.listCell(3, 3), QStringLiteral("2026/12/11"));
        QCOMPARE(f.window().current_item(), 3);
        QCOMPARE(f.window().findChild<QLineEdit *>("txt_component_name")->text(), QStringLiteral("新测区"));
        QCOMPARE(f.grid()->model()->rowCount(), 1);
        // Rows carry no tick, so the earlier zones store 0; the new one keeps 1.
        for (std::size_t i = 0; i < 3; ++i)
            QCOMPARE(f.project().GetComponent(i)->stored_tick, 0);
        QCOMPARE(f.project().GetComponent(3)->stored_tick, 1);
        // The header's zone count waits for the next full refresh.
        QCOMPARE(f.window().findChild<QLineEdit *>("Edit_AreaNum")->text(), QStringLiteral("3"));
    }

    void deleteZoneSelectsTheFirstRow()
    {
        Fixture f;
        NameZones(f, 3);
        f.list()->selectRow(1);
        QCOMPARE(f.window().current_item(), 1);
        f.trigger("act_remove_component");
        QCOMPARE(ListNames(f), (QStringList{"Z1", "Z3"}));
        QCOMPARE(f.window().current_item(), 0);
        QCOMPARE(f.window().findChild<QLineEdit *>("txt_component_name")->text(), QStringLiteral("Z1"));
        QVERIFY(f.prompter.questions.isEmpty());
    }

    void deletingTheLastZoneClearsAndDisablesThePanel()
    {
        Fixture f;
        f.trigger("act_remove_component");
        QCOMPARE(f.project().ComponentCount(), 0u);
        QCOMPARE(f.window().current_item(), -1);
        auto *panel = f.window().componentPanel();
        QVERIFY(!panel->isEnabled());
        QVERIFY(f.window().findChild<QLineEdit *>("txt_component_name")->text().isEmpty());
        QVERIFY(!f.window().findChild<rebound::DatePicker *>("dt_examine_date")->hasDate());
        QCOMPARE(f.grid()->model()->rowCount(), 1);
        QVERIFY(!(f.grid()->model()->index(0, 1).flags() & Qt::ItemIsEditable));

        // Zone commands that need a zone do nothing, and say so where asked.
        for (const char *name : {"act_create_area", "act_remove_area", "act_remove_component"})
            f.trigger(name);
        QVERIFY(f.prompter.messages.isEmpty());
        f.trigger("act_export_component");
        QCOMPARE(f.prompter.messages, QStringList{QStringLiteral("未选择测区")});

        f.trigger("act_create_component");
        QVERIFY(panel->isEnabled());
        QCOMPARE(f.window().current_item(), 0);
    }

    void panelEditsWriteIntoTheZoneAndTheList()
    {
        Fixture f;
        NameZones(f, 2);
        f.list()->selectRow(1);
        auto *name = f.window().findChild<QLineEdit *>("txt_component_name");
        name->selectAll();
        TypeText(name, QStringLiteral("轴3墙"));
        QCOMPARE(f.listCell(1, 1), QStringLiteral("轴3墙"));
        QCOMPARE(rebound::DisplayText(f.project().GetComponent(1)->component_name), QStringLiteral("轴3墙"));

        auto *model = f.window().findChild<QLineEdit *>("txt_device_type");
        model->selectAll();
        TypeText(model, QStringLiteral("ZC5"));
        QCOMPARE(f.project().GetComponent(1)->device_type, rebound::TansyString("ZC5"));

        f.window().findChild<rebound::DatePicker *>("dt_examine_date")->setDate(QDate(2024, 5, 6));
        QCOMPARE(f.listCell(1, 3), QStringLiteral("2024/05/06"));
        QCOMPARE(f.project().GetComponent(1)->examine_date, rebound::TansyString("2024/05/06"));

        // The refusal of a character GBK cannot hold reaches nothing.
        TypeText(name, QStringLiteral("한"));
        Flush();
        QCOMPARE(f.listCell(1, 1), QStringLiteral("轴3墙"));
        QCOMPARE(f.prompter.messages.size(), 1);

        // Selecting another zone fills the panel and writes nothing back.
        f.list()->selectRow(0);
        QCOMPARE(name->text(), QStringLiteral("Z1"));
        QCOMPARE(rebound::DisplayText(f.project().GetComponent(1)->component_name), QStringLiteral("轴3墙"));
        QCOMPARE(f.project().GetComponent(0)->component_name, rebound::TansyString("Z1"));
    }

    void zoneDateThatDoesNotParseStillSelectsTheZone()
    {
        Fixture f;
        NameZones(f, 2);
        f.project().GetComponent(1)->examine_date = "31.02.x";
        f.project().GetComponent(1)->AddArea(rebound::AreaData());
        f.window().RefreshComponentList();
        f.list()->selectRow(1);
        QCOMPARE(f.window().current_item(), 1);
        QVERIFY(!f.window().findChild<rebound::DatePicker *>("dt_examine_date")->hasDate());
        QCOMPARE(f.grid()->model()->rowCount(), 2);
        QCOMPARE(f.listCell(1, 3), QStringLiteral("31.02.x"));
        // The panel is not stuck loading: edits still reach the zone.
        auto *name = f.window().findChild<QLineEdit *>("txt_component_name");
        name->end(false);
        TypeText(name, QStringLiteral("b"));
        QCOMPARE(f.project().GetComponent(1)->component_name, rebound::TansyString("Z2b"));
        QCOMPARE(f.project().GetComponent(1)->examine_date, rebound::TansyString("31.02.x"));
    }
};

QObject *MakeZoneTest()
{
    return new ZoneTest;
}

#include "zone_test.moc"
