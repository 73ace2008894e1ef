// The header panel: typed text reaches the project only by a commit, dates
// survive a commit and a refresh in every locale, texts GBK cannot hold are
// refused, untouched bytes stay as they were.

#include "date_picker.h"
#include "gbk_text.h"
#include "project_panel.h"
#include "ui_fixture.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>

using namespace uitest;
using rebound::TansyString;

namespace {

TansyString Gbk(const char *utf8)
{
    return rebound::Utf8ToGbk(utf8).bytes;
}

} // namespace

class ProjectPanelTest : public QObject {
    Q_OBJECT
private slots:
    void typedTextReachesTheProjectOnlyByCommit()
    {
        Fixture f;
        auto *name = f.window().findChild<QLineEdit *>("txt_project_name");
        auto *part = f.window().findChild<QLineEdit *>("Edit_CeshiBuwei");
        name->selectAll();
        TypeText(name, QStringLiteral("教学楼"));
        TypeText(part, QStringLiteral("二层墙体"));
        QCOMPARE(rebound::GbkToUtf8(f.project().project_name), std::string("新工程"));
        QVERIFY(f.window().HasUnsavedChanges());

        f.window().CommitProjectPanel();
        QCOMPARE(f.project().project_name, Gbk("教学楼"));
        QCOMPARE(f.project().test_part, Gbk("二层墙体"));
        QVERIFY(!f.window().projectPanel()->hasUncommittedChanges(f.project()));
    }

    void committedDateShowsUnchangedAfterRefresh_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("stored");
        QTest::newRow("zh_CN") << QLocale(QLocale::Chinese, QLocale::China) << "2016/03/05";
        QTest::newRow("en_US") << QLocale(QLocale::English, QLocale::UnitedStates) << "2016/03/05";
        QTest::newRow("C") << QLocale::c() << "2016/03/05";
        QTest::newRow("de_DE") << QLocale(QLocale::German, QLocale::Germany) << "2016.03.05";
    }
    void committedDateShowsUnchangedAfterRefresh()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, stored);
        Fixture f(locale);
        const QDate picked(2016, 3, 5);
        auto *construction = f.window().findChild<rebound::DatePicker *>("dt_construction_date");
        construction->setDate(picked);
        f.window().CommitProjectPanel();
        QCOMPARE(rebound::DisplayText(f.project().construction_date), stored);
        // The other date was not picked: its text stays as it was.
        QCOMPARE(rebound::DisplayText(f.project().agent_date), f.dates.formatShort(kToday));

        f.window().RefreshProjectPanel();
        QCOMPARE(construction->date(), picked);
        QCOMPARE(f.window().findChild<rebound::DatePicker *>("dt_agent_date")->date(), kToday);

        // And through a project file.
        f.prompter.save_answers << f.path("dates.prj");
        f.trigger("FileSave1");
        f.prompter.answers << rebound::Answer::No;
        f.trigger("FileNew1");
        f.prompter.open_answers << f.path("dates.prj");
        f.trigger("FileOpen1");
        QCOMPARE(construction->date(), picked);
        QVERIFY2(f.prompter.messages.isEmpty(), qPrintable(f.prompter.messages.join('\n')));
    }

    void dateTextThatDoesNotParseStopsNothing()
    {
        Fixture f;
        rebound::ReboundFile &project = f.project();
        project.construction_date = "not a date";
        project.agent_date = Gbk("2015/7/1");
        project.examine_reason = Gbk("委托检测");
        project.assessed_strength = 7.25f;
        f.window().RefreshProjectPanel();

        auto *construction = f.window().findChild<rebound::DatePicker *>("dt_construction_date");
        QVERIFY(!construction->hasDate());
        QCOMPARE(f.window().findChild<QDateEdit *>("dt_agent_date")->date(), QDate(2015, 7, 1));
        QCOMPARE(f.window().findChild<QLineEdit *>("txt_examine_reason")->text(), QStringLiteral("委托检测"));
        QCOMPARE(f.window().findChild<QLineEdit *>("txt_Fn")->text(), QStringLiteral("7.3"));

        // Until the user picks a date the stored text stays.
        f.window().CommitProjectPanel();
        QCOMPARE(project.construction_date, TansyString("not a date"));
        QCOMPARE(project.agent_date, Gbk("2015/7/1"));
        construction->setDate(QDate(2020, 1, 2));
        f.window().CommitProjectPanel();
        QCOMPARE(project.construction_date, TansyString("2020/01/02"));
    }

    void untouchedFieldsKeepTheirBytes()
    {
        Fixture f;
        // Bytes that are no valid GBK show replacement characters; nobody
        // edits them, so they are written back unchanged.
        const TansyString odd("\x81\x20\xFF", 3);
        f.project().design_unit = odd;
        f.window().RefreshProjectPanel();
        f.window().CommitProjectPanel();
        QCOMPARE(f.project().design_unit, odd);

        // Editing such a field is still possible.
        auto *design = f.window().findChild<QLineEdit *>("txt_design_unit");
        design->end(false);
        TypeText(design, QStringLiteral("院"));
        QVERIFY(f.prompter.messages.isEmpty());
        f.window().CommitProjectPanel();
        QVERIFY(rebound::GbkToUtf8(f.project().design_unit).ends_with("院"));
    }

    void characterGbkCannotHoldIsRefusedAtOnce()
    {
        Fixture f;
        auto *address = f.window().findChild<QLineEdit *>("txt_project_address");
        TypeText(address, QStringLiteral("北京"));
        TypeText(address, QStringLiteral("한"));
        Flush();
        QCOMPARE(address->text(), QStringLiteral("北京"));
        QCOMPARE(f.prompter.messages, QStringList{QStringLiteral("不能输入字符“한”：报表和工程文件无法保存它。")});

        // Pasted text is judged the same way.
        f.prompter.clear();
        address->setFocus();
        address->insert(QStringLiteral("路😀"));
        Flush();
        QCOMPARE(address->text(), QStringLiteral("北京"));
        QCOMPARE(f.prompter.messages, QStringList{QStringLiteral("不能输入字符“😀”：报表和工程文件无法保存它。")});
    }

    void projectClassShowsAndWritesOnlyWhenPicked()
    {
        Fixture f;
        auto *combo = f.window().findChild<QComboBox *>("ComboBox_ProjectClass");
        QCOMPARE(combo->itemText(0), QStringLiteral("在建或新建砌体工程"));
        QCOMPARE(combo->itemText(1), QStringLiteral("既有砌体工程"));

        f.project().project_class = 5;
        f.window().RefreshProjectPanel();
        QCOMPARE(combo->currentText(), QStringLiteral("既有砌体工程"));
        f.window().CommitProjectPanel();
        QCOMPARE(f.project().project_class, 5);

        combo->setCurrentIndex(1);
        emit combo->activated(1);
        QCOMPARE(f.project().project_class, 1);
        combo->setCurrentIndex(0);
        emit combo->activated(0);
        QCOMPARE(f.project().project_class, 0);
    }

    void calculationShowsResultsAndKeepsTypedText()
    {
        Fixture f;
        f.trigger("act_create_component");
        auto *name = f.window().findChild<QLineEdit *>("txt_project_name");
        name->selectAll();
        TypeText(name, QStringLiteral("未保存的名称"));
        f.prompter.answers << rebound::Answer::Yes;
        f.trigger("act_single_caculate");
        QCOMPARE(name->text(), QStringLiteral("未保存的名称"));
        QCOMPARE(f.window().findChild<QLineEdit *>("Edit_AreaNum")->text(), QStringLiteral("2"));
    }
};

QObject *MakeProjectPanelTest()
{
    return new ProjectPanelTest;
}

#include "project_panel_test.moc"
