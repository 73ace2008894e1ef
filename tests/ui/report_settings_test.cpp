// The report settings dialog: its lists from the template directories, the
// selection of the configured templates, the switches, OK and what survives
// a restart.

#include "gbk_text.h"
#include "report_setting_form.h"
#include "ui_fixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace uitest;
using rebound::TReport_Setting_Form;

namespace {

const QString kNoTemplates = QStringLiteral("没有发现测区模版文件文件");
const QString kFirstChosen = QStringLiteral("选用默认的第一个模版。");

void Touch(const QString &path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
}

// The settings file as the program writes it, from UTF-8 lines.
void WriteConfigFile(const QString &base, const QStringList &lines)
{
    QDir().mkpath(base + QStringLiteral("/Setting"));
    QFile file(base + QStringLiteral("/Setting/Config.ini"));
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    const rebound::GbkEncoding text = rebound::Utf8ToGbk(lines.join(u'\n').toStdString() + "\n");
    QVERIFY(text.ok);
    file.write(QByteArray::fromStdString(text.bytes));
}

QStringList Entries(const QComboBox *list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->itemText(i);
    return out;
}

QString Utf8(const rebound::TansyString &bytes)
{
    return rebound::DisplayText(bytes);
}

TReport_Setting_Form &Dialog(Fixture &f)
{
    return *f.window().settingsDialog();
}

} // namespace

class ReportSettingsTest : public QObject {
    Q_OBJECT
private slots:
    void dialogHasItsControls()
    {
        Fixture f;
        TReport_Setting_Form &d = Dialog(f);
        QCOMPARE(d.windowTitle(), QStringLiteral("报表设置"));
        QCOMPARE(d.size(), QSize(478, 263));
        QStringList groups;
        for (const QGroupBox *box : d.findChildren<QGroupBox *>())
            groups << box->title();
        QCOMPARE(groups, (QStringList{"模板设置", "打印设置"}));
        QStringList labels;
        for (const QLabel *label : d.findChildren<QLabel *>())
            labels << label->text();
        QCOMPARE(labels, (QStringList{"测区模版：", "单元模版：", "默认模版：", "页    眉：", "页    脚："}));
        QCOMPARE(Entries(d.Default_Print_Template_Cb()), (QStringList{"只打印单元", "只打印测区"}));
        QCOMPARE(d.CheckBox1()->text(), QStringLiteral("打印页眉"));
        QCOMPARE(d.CheckBox2()->text(), QStringLiteral("打印页脚"));
        QCOMPARE(d.sButton2()->text(), QStringLiteral("确   定"));
        for (const QComboBox *list : d.findChildren<QComboBox *>())
            QVERIFY(!list->isEditable());
        // The shipped templates are found and kept at start-up.
        QCOMPARE(Entries(d.Area_Template_Cb()), QStringList{"默认模版"});
        QCOMPARE(d.Component_Template_Cb()->currentText(), QStringLiteral("默认模版"));
        QVERIFY(f.prompter.messages.isEmpty());

        // The File menu item shows it, and nothing fills it again.
        f.trigger("T1");
        QCOMPARE(f.prompter.dialogs.size(), 1);
        QCOMPARE(f.prompter.dialogs.front(), &d);
    }

    void listsAreSortedAndTheConfiguredTemplateSelected()
    {
        Fixture f([](const QString &base) {
            for (const char *name : {"b.xml", "C.xml", "A.xml", "模版10", "模版9", ".hidden"})
                Touch(base + QStringLiteral("/Report/测区/") + QString::fromUtf8(name));
            QDir().mkpath(base + QStringLiteral("/Report/测区/子目录"));
            Touch(base + QStringLiteral("/Report/构件/单元.xml"));
            WriteConfigFile(base, {"[系统设置]", "测区打印模版=C.xml", "构件打印模板=单元.xml", "默认模板=1",
                                   "页眉=甲", "页脚=乙", "打印页眉=1", "打印页脚=0"});
        });
        TReport_Setting_Form &d = Dialog(f);
        QVERIFY(f.prompter.messages.isEmpty());
        // Chinese order: Chinese names first, numbers by value, letter case aside.
        QCOMPARE(Entries(d.Area_Template_Cb()), (QStringList{"模版9", "模版10", "A.xml", "b.xml", "C.xml"}));
        QCOMPARE(d.Area_Template_Cb()->currentText(), QStringLiteral("C.xml"));
        QCOMPARE(d.Component_Template_Cb()->currentText(), QStringLiteral("单元.xml"));
        QCOMPARE(d.Default_Print_Template_Cb()->currentIndex(), 1);
        QCOMPARE(d.Page_Header_Txt()->text(), QStringLiteral("甲"));
        QCOMPARE(d.Page_Footer_Txt()->text(), QStringLiteral("乙"));
        QVERIFY(d.CheckBox1()->isChecked());
        QVERIFY(!d.CheckBox2()->isChecked());
        QCOMPARE(Utf8(f.config.print_footer.value), QStringLiteral("0"));
    }

    void unknownNamesFallBackToTheFirstFile_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::newRow("the first start") << "默认模版";
        QTest::newRow("letter case counts") << "a.grf";
    }
    void unknownNamesFallBackToTheFirstFile()
    {
        QFETCH(QString, stored);
        Fixture f([&stored](const QString &base) {
            InstallShippedTemplates(base);
            Touch(base + QStringLiteral("/report/测区/A.grf"));
            Touch(base + QStringLiteral("/report/测区/B.grf"));
            QVERIFY(QFile::remove(base + QStringLiteral("/report/测区/默认模版")));
            WriteConfigFile(base, {"[系统设置]", "测区打印模版=" + stored});
        });
        QCOMPARE(f.prompter.messages, QStringList{kFirstChosen});
        QCOMPARE(Dialog(f).Area_Template_Cb()->currentText(), QStringLiteral("A.grf"));
        QCOMPARE(Utf8(f.config.zone_template.value), QStringLiteral("A.grf"));
        // Written back at once.
        rebound::Rebound_Tester_Config reread;
        reread.SetBaseDir(f.dir.path().toStdString());
        QVERIFY(reread.ReadConfig());
        QCOMPARE(Utf8(reread.zone_template.value), QStringLiteral("A.grf"));
    }

    void emptyTemplateDirectoriesLeaveNoTemplate()
    {
        Fixture f([](const QString &) {});
        QCOMPARE(f.prompter.messages, QStringList(2, kNoTemplates));
        QCOMPARE(Dialog(f).Area_Template_Cb()->count(), 0);
        QVERIFY(f.config.zone_template.value.empty());
        QVERIFY(f.config.unit_template.value.empty());
        // Printing then names the empty template.
        f.prompter.clear();
        f.trigger("act_print");
        QCOMPARE(f.prompter.messages,
                 QStringList{QStringLiteral("构件打印模版[]不存在，请在[报表设置]中选择其他模版。")});
    }

    void switchesChangeTheConfigurationAtOnce()
    {
        Fixture f([](const QString &base) {
            InstallShippedTemplates(base);
            WriteConfigFile(base, {"[系统设置]", "打印页眉=1", "打印页脚="});
        });
        TReport_Setting_Form &d = Dialog(f);
        QVERIFY(d.CheckBox1()->isChecked());
        // A box whose state did not change leaves its switch alone.
        QVERIFY(f.config.print_footer.value.empty());
        d.CheckBox1()->click();
        QCOMPARE(Utf8(f.config.print_header.value), QStringLiteral("0"));
        d.CheckBox2()->click();
        QCOMPARE(Utf8(f.config.print_footer.value), QStringLiteral("1"));
        // Closing with the close box stores nothing else.
        d.Page_Header_Txt()->setText(QStringLiteral("不存"));
        d.reject();
        QVERIFY(f.config.page_header.value.empty());
    }

    void okStoresTheChoiceAndItSurvivesARestart()
    {
        Fixture f([](const QString &base) {
            InstallShippedTemplates(base);
            Touch(base + QStringLiteral("/report/测区/其他模版.xml"));
            Touch(base + QStringLiteral("/report/构件/其他模版.xml"));
        });
        TReport_Setting_Form &d = Dialog(f);
        d.Area_Template_Cb()->setCurrentText(QStringLiteral("其他模版.xml"));
        d.Component_Template_Cb()->setCurrentText(QStringLiteral("其他模版.xml"));
        d.Default_Print_Template_Cb()->setCurrentIndex(1);
        d.Page_Header_Txt()->setText(QStringLiteral("某某检测中心"));
        d.Page_Footer_Txt()->setText(QStringLiteral("地址：学院路1号"));
        d.CheckBox1()->click();
        QTest::mouseClick(d.sButton2(), Qt::LeftButton);
        QVERIFY(f.prompter.messages.isEmpty());
        QCOMPARE(Utf8(f.config.zone_template.value), QStringLiteral("其他模版.xml"));
        QCOMPARE(f.config.report_kind.value, 1);

        // A restart reads the choice back and shows it.
        f.windows.reset();
        rebound::Rebound_Tester_Config config;
        config.SetBaseDir(f.dir.path().toStdString());
        rebound::AppWindows again(f.dates, f.prompter, config);
        again.main.show();
        QVERIFY(f.prompter.messages.isEmpty());
        QCOMPARE(again.settings.Area_Template_Cb()->currentText(), QStringLiteral("其他模版.xml"));
        QCOMPARE(again.settings.Component_Template_Cb()->currentText(), QStringLiteral("其他模版.xml"));
        QCOMPARE(again.settings.Default_Print_Template_Cb()->currentIndex(), 1);
        QCOMPARE(again.settings.Page_Header_Txt()->text(), QStringLiteral("某某检测中心"));
        QCOMPARE(again.settings.Page_Footer_Txt()->text(), QStringLiteral("地址：学院路1号"));
        QVERIFY(again.settings.CheckBox1()->isChecked());
        QVERIFY(!again.settings.CheckBox2()->isChecked());
        QCOMPARE(config.GetReportKind(), 1);
        QCOMPARE(Utf8(config.print_header.value), QStringLiteral("1"));
    }

    void kindOutsideTheListSelectsNothingAndOkStoresMinusOne()
    {
        Fixture f([](const QString &base) {
            InstallShippedTemplates(base);
            WriteConfigFile(base, {"[系统设置]", "默认模板=5"});
        });
        TReport_Setting_Form &d = Dialog(f);
        QCOMPARE(d.Default_Print_Template_Cb()->currentIndex(), -1);
        d.sButton2()->click();
        QCOMPARE(f.config.report_kind.value, -1);
    }

    void okReportsAFailedWrite()
    {
        Fixture f;
        TReport_Setting_Form &d = Dialog(f);
        // The settings file's place is taken by a directory.
        const QString ini = f.path("Setting/Config.ini");
        QVERIFY(QFile::remove(ini));
        QVERIFY(QDir().mkpath(ini));
        d.Page_Header_Txt()->setText(QStringLiteral("新页眉"));
        d.sButton2()->click();
        QCOMPARE(f.prompter.messages.size(), 1);
        QVERIFY2(f.prompter.messages.front().startsWith(QStringLiteral("报表设置没有保存：")) &&
                     f.prompter.messages.front().contains(QStringLiteral("Config.ini")),
                 qPrintable(f.prompter.messages.front()));
        // The choice holds for this run.
        QCOMPARE(Utf8(f.config.page_header.value), QStringLiteral("新页眉"));
        QVERIFY(!d.isVisible());
    }
};

QObject *MakeReportSettingsTest()
{
    return new ReportSettingsTest;
}

#include "report_settings_test.moc"
