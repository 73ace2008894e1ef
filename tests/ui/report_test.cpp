// Print and preview from the window: which reports, how many previews and
// print jobs, with which records, and what the user is told when there is
// nothing to print or the template is missing or broken.

#include "project_panel.h"
#include "report_commands.h"
#include "report_print_preview.h"
#include "ui_fixture.h"
#include "viewer/report_viewer.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTest>

using namespace uitest;
using rebound::report::Document;

namespace {

const QStringList kZoneNames = {"一层墙A轴", "二层墙B轴", "三层墙C轴"};

rebound::TansyString Gbk(const QString &text)
{
    return rebound::Utf8ToGbk(text.toStdString()).bytes;
}

// Three zones with 1, 2 and 3 positions, then the window shows them.
void FillThreeZones(Fixture &f)
{
    rebound::ReboundFile &project = f.project();
    while (project.ComponentCount() > 0)
        project.RemoveComponent(0);
    for (int z = 0; z < 3; ++z) {
        rebound::ComponentInfo zone = project.NewComponent();
        zone.component_name = Gbk(kZoneNames[z]);
        for (int p = 0; p <= z; ++p) {
            rebound::AreaData area;
            area.readings.fill(static_cast<std::uint8_t>(30 + p));
            zone.AddArea(area);
        }
        project.AddComponent(zone);
    }
    f.window().RefreshAll();
}

QString AllText(const Document &doc)
{
    QStringList texts;
    for (const auto &page : doc.pages) {
        for (const auto &cell : page.cells)
            texts << cell.text;
    }
    return texts.join(u'\n');
}

// Shows every preview the commands open, keeps the pages it built and
// closes it as the user's close box does.
struct PreviewRecorder {
    QList<std::shared_ptr<const Document>> shown;
    int showings_per_dialog = 1;

    explicit PreviewRecorder(Fixture &f)
    {
        f.prompter.on_dialog = [this](QDialog &dialog) {
            auto *preview = qobject_cast<rebound::TReport_Print_Preview *>(&dialog);
            if (!preview)
                return int(QDialog::Accepted);
            for (int i = 0; i < showings_per_dialog; ++i) {
                preview->show();
                QApplication::processEvents();
                shown << preview->Gr_Print_Preview()->ShownDocument();
                preview->reject();
                QApplication::processEvents();
            }
            return int(QDialog::Rejected);
        };
    }
};

void WriteFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

} // namespace

class ReportTest : public QObject {
    Q_OBJECT
private slots:
    void zoneReportsComeOnePerZone_data()
    {
        QTest::addColumn<int>("kind");
        QTest::newRow("kind 1") << 1;
        QTest::newRow("kind 2 acts as 1") << 2;
        QTest::newRow("kind -1 acts as 1") << -1;
    }
    void zoneReportsComeOnePerZone()
    {
        QFETCH(int, kind);
        Fixture f;
        FillThreeZones(f);
        f.config.report_kind.value = kind;
        PreviewRecorder previews(f);

        f.trigger("act_print_preview");
        QCOMPARE(f.prompter.messages, QStringList());
        QCOMPARE(previews.shown.size(), 3);
        for (int z = 0; z < 3; ++z) {
            QVERIFY(previews.shown[z]);
            QCOMPARE(previews.shown[z]->recordCount, z + 1);
            QVERIFY2(AllText(*previews.shown[z]).contains(kZoneNames[z]), qPrintable(kZoneNames[z]));
        }

        f.trigger("act_print");
        QCOMPARE(f.printed->dialogs, 1);
        QCOMPARE(f.printed->jobs.size(), 3);
        for (int z = 0; z < 3; ++z) {
            QCOMPARE(f.printed->jobs[z]->recordCount, z + 1);
            QVERIFY(AllText(*f.printed->jobs[z]).contains(kZoneNames[z]));
            // Each zone report counts its own pages.
            QVERIFY(AllText(*f.printed->jobs[z]).contains(QStringLiteral("第 1 页 共 1 页")));
        }
    }

    void unitReportIsOneWhateverTheZones()
    {
        Fixture f;
        FillThreeZones(f);
        f.project().assessed_strength = 23.46f;
        f.config.report_kind.value = 0;
        PreviewRecorder previews(f);

        f.trigger("act_print_preview");
        QCOMPARE(previews.shown.size(), 1);
        QCOMPARE(previews.shown[0]->recordCount, 3);
        const QString text = AllText(*previews.shown[0]);
        for (const QString &name : kZoneNames)
            QVERIFY(text.contains(name));
        QVERIFY(text.contains(QStringLiteral("23.5")));

        f.trigger("act_print");
        QCOMPARE(f.printed->jobs.size(), 1);
        QCOMPARE(f.printed->jobs[0]->recordCount, 3);
    }

    void previewShownAgainFetchesItsRecordsAgain()
    {
        Fixture f;
        FillThreeZones(f);
        f.config.report_kind.value = 0;
        PreviewRecorder previews(f);
        previews.showings_per_dialog = 2;

        f.trigger("act_print_preview");
        QCOMPARE(previews.shown.size(), 2);
        QCOMPARE(previews.shown[0]->recordCount, 3);
        QCOMPARE(previews.shown[1]->recordCount, 3);
        // Previewing twice in a row gives the same report both times.
        previews.shown.clear();
        previews.showings_per_dialog = 1;
        f.trigger("act_print_preview");
        f.trigger("act_print_preview");
        QCOMPARE(previews.shown.size(), 2);
        QCOMPARE(previews.shown[1]->recordCount, 3);
    }

    void previewWindowFillsItselfWithTheViewer()
    {
        Fixture f;
        rebound::TReport_Print_Preview *preview = f.window().printPreview();
        QVERIFY(preview);
        QCOMPARE(preview->windowTitle(), QStringLiteral("Osprey 数显回弹仪 - 打印预览"));
        QVERIFY(preview->windowState() & Qt::WindowMaximized);
        QVERIFY(!preview->windowIcon().isNull());
        QVERIFY(preview->windowIcon().availableSizes().isEmpty() ||
                preview->windowIcon().actualSize(QSize(48, 48)) == QSize(48, 48));
        preview->show();
        QApplication::processEvents();
        QCOMPARE(preview->Gr_Print_Preview()->geometry(), preview->rect());
        preview->hide();
    }

    void previewExportsItsPagesAsPdf()
    {
        Fixture f;
        FillThreeZones(f);
        f.config.report_kind.value = 0;
        QStringList targets = {f.path("单元报告.pdf"), f.path("没有这个目录/单元报告.pdf")};
        QList<bool> exported;
        f.prompter.on_dialog = [&](QDialog &dialog) {
            auto *preview = qobject_cast<rebound::TReport_Print_Preview *>(&dialog);
            preview->show();
            QApplication::processEvents();
            for (const QString &target : targets) {
                preview->Gr_Print_Preview()->SetSaveFileFunction(
                    [target](QWidget *, const QString &) { return target; });
                exported << preview->Gr_Print_Preview()->ExportPdf();
            }
            preview->reject();
            return int(QDialog::Rejected);
        };
        f.trigger("act_print_preview");
        QCOMPARE(exported, (QList<bool>{true, false}));
        QFile pdf(targets[0]);
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QCOMPARE(pdf.read(5), QByteArray("%PDF-"));
        // The failure reaches the user through the window's messages.
        QCOMPARE(f.prompter.messages.size(), 1);
        QVERIFY2(f.prompter.messages.front().contains(QStringLiteral("没有这个目录")),
                 qPrintable(f.prompter.messages.front()));
    }

    void projectWithoutZonesHasNothingToPrint_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("command");
        QTest::newRow("unit preview") << 0 << "act_print_preview";
        QTest::newRow("unit print") << 0 << "act_print";
        QTest::newRow("zone preview") << 1 << "act_print_preview";
        QTest::newRow("zone print") << 1 << "act_print";
    }
    void projectWithoutZonesHasNothingToPrint()
    {
        QFETCH(int, kind);
        QFETCH(QString, command);
        Fixture f;
        f.project().RemoveComponent(0);
        f.window().RefreshAll();
        f.config.report_kind.value = kind;
        // The typed header reaches the project even so.
        auto *name = f.window().findChild<QLineEdit *>("txt_project_name");
        name->setText(QStringLiteral("新名称"));

        f.trigger(command.toLatin1().constData());
        QCOMPARE(f.prompter.messages, QStringList{QStringLiteral("没有要打印的数据！")});
        QVERIFY(f.prompter.dialogs.isEmpty());
        QVERIFY(f.printed->jobs.isEmpty());
        QCOMPARE(f.printed->dialogs, 0);
        QCOMPARE(f.project().project_name, Gbk(QStringLiteral("新名称")));
    }

    void missingTemplateIsNamedAsConfigured_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message");
        QTest::newRow("unit") << 0 << "单元.xml" << "构件打印模版[单元.xml]不存在，请在[报表设置]中选择其他模版。";
        QTest::newRow("zone") << 1 << "a.grf" << "测区打印模版[a.grf]不存在，请在[报表设置]中选择其他模版。";
        // The name is the whole file name: no extension is added, case counts.
        QTest::newRow("case counts") << 1 << "默认模版.XML" << "测区打印模版[默认模版.XML]不存在，请在[报表设置]中选择其他模版。";
        QTest::newRow("a directory") << 0 << "" << "构件打印模版[]不存在，请在[报表设置]中选择其他模版。";
    }
    void missingTemplateIsNamedAsConfigured()
    {
        QFETCH(int, kind);
        QFETCH(QString, name);
        QFETCH(QString, message);
        Fixture f;
        FillThreeZones(f);
        f.config.report_kind.value = kind;
        (kind == 0 ? f.config.unit_template : f.config.zone_template).value = Gbk(name);
        PreviewRecorder previews(f);

        f.trigger("act_print_preview");
        f.trigger("act_print");
        QCOMPARE(f.prompter.messages, QStringList(2, message));
        QVERIFY(previews.shown.isEmpty());
        QVERIFY(f.printed->jobs.isEmpty());
    }

    void templateDirectoriesAreFoundWhateverTheirCase()
    {
        Fixture f([](const QString &base) {
            InstallShippedTemplates(base);
            QVERIFY(QDir(base).rename(QStringLiteral("report"), QStringLiteral("REPORT")));
        });
        FillThreeZones(f);
        QCOMPARE(f.prompter.messages, QStringList());
        f.config.report_kind.value = 1;
        f.trigger("act_print");
        QCOMPARE(f.prompter.messages, QStringList());
        QCOMPARE(f.printed->jobs.size(), 3);
    }

    void brokenTemplateIsReportedAndNothingPrinted()
    {
        Fixture f;
        FillThreeZones(f);
        f.config.report_kind.value = 0;
        f.trigger("act_print");
        QCOMPARE(f.printed->jobs.size(), 1);

        // A template that exists but does not load: the engine's reason, and
        // no report from the template loaded before.
        WriteFile(f.path("report/构件/坏模版.xml"), "<report>\n  <fields>\n    <field name=\"a\">\n</report>\n");
        f.config.unit_template.value = Gbk(QStringLiteral("坏模版.xml"));
        PreviewRecorder previews(f);
        f.trigger("act_print");
        f.trigger("act_print_preview");
        QCOMPARE(f.prompter.messages.size(), 2);
        for (const QString &message : f.prompter.messages) {
            QVERIFY2(message.contains(QStringLiteral("坏模版.xml")) && message.contains(QStringLiteral("第 4 行")),
                     qPrintable(message));
        }
        QCOMPARE(f.printed->jobs.size(), 1);
        QVERIFY(previews.shown.isEmpty());
    }

    void cancelledPrintDialogPrintsNothing()
    {
        Fixture f;
        FillThreeZones(f);
        f.config.report_kind.value = 1;
        f.printed->accept_dialog = false;
        f.trigger("act_print");
        QCOMPARE(f.printed->dialogs, 1);
        QVERIFY(f.printed->jobs.isEmpty());
        QVERIFY(f.prompter.messages.isEmpty());
    }

    void reportShowsWhatTheProjectHoldsWithoutRecalculating()
    {
        Fixture f;
        FillThreeZones(f);
        f.project().GetComponent(1)->mean_strength = 7.25f;
        f.config.report_kind.value = 0;
        f.trigger("act_print");
        QCOMPARE(f.printed->jobs.size(), 1);
        QVERIFY(AllText(*f.printed->jobs[0]).contains(QStringLiteral("7.25")));
        QCOMPARE(f.project().GetComponent(1)->mean_strength, 7.25f);
    }
};

QObject *MakeReportTest()
{
    return new ReportTest;
}

#include "report_test.moc"
