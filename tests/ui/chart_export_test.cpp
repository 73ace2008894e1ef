// The zone strength chart (what it shows after a calculation, New and Open,
// and its PNG export) and the spreadsheet and CSV export from the 数据 menu.

#include "strength_chart.h"
#include "ui_fixture.h"

#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLineEdit>
#include <QLineSeries>
#include <QProcess>
#include <QTabWidget>
#include <QTest>
#include <QValueAxis>

#include <cmath>

using namespace uitest;
using rebound::Answer;

#ifndef REBOUND_TEST_DATA
#error "REBOUND_TEST_DATA must name tests/data"
#endif

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

void Calculate(Fixture &f)
{
    f.prompter.answers << Answer::Yes;
    f.trigger("act_single_caculate");
}

QChart *ShownChart(Fixture &f)
{
    return f.window().strengthChart()->chart();
}

QList<double> Bars(Fixture &f)
{
    QList<double> values;
    for (QAbstractSeries *series : ShownChart(f)->series()) {
        if (auto *bars = qobject_cast<QBarSeries *>(series)) {
            const QBarSet *set = bars->barSets().front();
            for (int i = 0; i < set->count(); ++i)
                values << set->at(i);
        }
    }
    return values;
}

// Line name → its height; every line is horizontal across all bars.
QMap<QString, double> Lines(Fixture &f, int zones)
{
    QMap<QString, double> lines;
    for (QAbstractSeries *series : ShownChart(f)->series()) {
        if (auto *line = qobject_cast<QLineSeries *>(series)) {
            const QList<QPointF> points = line->points();
            if (points.size() != 2 || points[0].y() != points[1].y() || points[0].x() != -0.5 ||
                points[1].x() != zones - 0.5)
                return {};
            lines.insert(line->name(), points[0].y());
        }
    }
    return lines;
}

double Rounded2(float value)
{
    return QString::asprintf("%.2f", double(value)).toDouble();
}

QString Unzip(const QString &archive, const QString &member)
{
    QProcess unzip;
    unzip.start(QStringLiteral("unzip"), {QStringLiteral("-p"), archive, member});
    if (!unzip.waitForFinished(30000))
        return {};
    return QString::fromUtf8(unzip.readAllStandardOutput());
}

} // namespace

class ChartExportTest : public QObject {
    Q_OBJECT
private slots:
    void chartSitsBesideTheGrid()
    {
        Fixture f;
        auto *tabs = f.window().findChild<QTabWidget *>("GridTabs");
        QVERIFY(tabs);
        QCOMPARE(tabs->count(), 2);
        QCOMPARE(tabs->widget(0), static_cast<QWidget *>(f.grid()));
        QCOMPARE(tabs->tabText(0), QStringLiteral("测位数据"));
        QCOMPARE(tabs->tabText(1), QStringLiteral("强度图表"));
        QCOMPARE(tabs->currentIndex(), 0);
    }

    void chartShowsTheStoredResults()
    {
        Fixture f;
        MakeZones(f, {30, 32, 34, 28});
        // Nothing calculated yet: zero bars, no lines, and the title says so.
        QCOMPARE(Bars(f), (QList<double>{0, 0, 0, 0}));
        QVERIFY(Lines(f, 4).isEmpty());
        QCOMPARE(ShownChart(f)->title(), QStringLiteral("测区砂浆强度（尚未计算）"));

        Calculate(f);
        const rebound::ReboundFile &p = f.project();
        QList<double> expected;
        for (std::size_t i = 0; i < p.ComponentCount(); ++i)
            expected << Rounded2(p.GetComponent(i)->mean_strength);
        QCOMPARE(Bars(f), expected);
        QVERIFY(expected[3] < expected[0] && expected[0] < expected[2]);
        const QMap<QString, double> lines = Lines(f, 4);
        QCOMPARE(lines.size(), 3);
        QCOMPARE(lines.value(rebound::MeanLineName(p.zone_strength_mean)), double(p.zone_strength_mean));
        QCOMPARE(lines.value(rebound::MinimumLineName(p.zone_strength_min)), double(p.zone_strength_min));
        QCOMPARE(lines.value(rebound::AssessedLineName(p.assessed_strength)), double(p.assessed_strength));
        QVERIFY(lines.firstKey().contains(QStringLiteral(" MPa")));
        QCOMPARE(ShownChart(f)->title(), QStringLiteral("测区砂浆强度"));
        auto *axis = qobject_cast<QValueAxis *>(ShownChart(f)->axes(Qt::Vertical).front());
        QVERIFY(axis && axis->max() >= expected[2]);

        // An edit changes nothing until the next calculation.
        f.trigger("act_create_component");
        QCOMPARE(Bars(f).size(), 4);

        // Saved, then New, then Open: the chart shows what the file holds.
        f.prompter.save_answers << f.path("unit.prj");
        f.trigger("FileSave1");
        f.prompter.answers << Answer::No;
        f.trigger("FileNew1");
        QCOMPARE(Bars(f), QList<double>{0});
        f.prompter.open_answers << f.path("unit.prj");
        f.trigger("FileOpen1");
        QCOMPARE(Bars(f), expected + QList<double>{0});
        QCOMPARE(Lines(f, 5).size(), 3);
    }

    void manyZonesAreNumberedAtIntervals()
    {
        Fixture f;
        f.project().Reset();
        for (int i = 0; i < 40; ++i)
            f.project().AddDefaultComponent().areas[0].readings.fill(static_cast<std::uint8_t>(20 + i % 10));
        f.window().RefreshAll();
        Calculate(f);
        QCOMPARE(Bars(f).size(), 40);
        auto *axis = qobject_cast<QCategoryAxis *>(ShownChart(f)->axes(Qt::Horizontal).front());
        QVERIFY(axis);
        QCOMPARE(axis->categoriesLabels(), (QStringList{"1", "5", "10", "15", "20", "25", "30", "35", "40"}));
        // Forty value labels would run into each other.
        auto *bars = qobject_cast<QBarSeries *>(ShownChart(f)->series().front());
        QVERIFY(bars && !bars->isLabelsVisible());
    }

    void storedValuesThatAreNoNumbersDrawNothingStrange()
    {
        // The fixture holds NaNs and infinities among its results.
        Fixture f;
        f.prompter.open_answers << QStringLiteral(REBOUND_TEST_DATA "/project_chinese_texts.prj");
        f.trigger("FileOpen1");
        QVERIFY2(f.prompter.messages.isEmpty(), qPrintable(f.prompter.messages.join('\n')));
        for (double value : Bars(f))
            QVERIFY(std::isfinite(value));
        for (double value : Lines(f, Bars(f).size()))
            QVERIFY(std::isfinite(value));
        auto *axis = qobject_cast<QValueAxis *>(ShownChart(f)->axes(Qt::Vertical).front());
        QVERIFY(std::isfinite(axis->min()) && std::isfinite(axis->max()) && axis->max() > axis->min());
        QVERIFY(!f.window().strengthChart()->render(QSize(400, 300)).isNull());
    }

    void chartExportsAsPng()
    {
        Fixture f;
        MakeZones(f, {30, 40});
        Calculate(f);
        f.prompter.save_answers << f.path("chart");
        f.trigger("act_export_chart");
        QVERIFY2(f.prompter.messages.isEmpty(), qPrintable(f.prompter.messages.join('\n')));
        QCOMPARE(f.prompter.filters, QStringList{QStringLiteral("PNG图片(*.png)")});
        QImage image(f.path("chart.png"), "PNG");
        QCOMPARE(image.size(), rebound::StrengthChart::kExportSize);
        // The bars are drawn: their colour is in the picture.
        bool bar = false;
        for (int y = 0; y < image.height() && !bar; y += 4) {
            for (int x = 0; x < image.width() && !bar; x += 4)
                bar = image.pixelColor(x, y) == rebound::BarColor();
        }
        QVERIFY(bar);

        f.prompter.save_answers << f.path("no/such/dir/chart.png");
        f.trigger("act_export_chart");
        QCOMPARE(f.prompter.messages.size(), 1);
        const QStringList lines = f.prompter.messages.front().split('\n');
        QCOMPARE(lines[0], QStringLiteral("文件[%1]导出失败！").arg(f.path("no/such/dir/chart.png")));
        QVERIFY(lines.size() == 2 && !lines[1].isEmpty());
    }

    void spreadsheetExportsFromTheMenu_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("written");
        QTest::newRow("xlsx, name without extension") << "act_export_xlsx" << "unit" << "unit.xlsx";
        QTest::newRow("xlsx, name with extension") << "act_export_xlsx" << "unit.xlsx" << "unit.xlsx";
        QTest::newRow("csv, name without extension") << "act_export_csv" << "unit" << "unit.csv";
        QTest::newRow("csv, other extension") << "act_export_csv" << "unit.txt" << "unit.txt.csv";
    }
    void spreadsheetExportsFromTheMenu()
    {
        QFETCH(QString, action);
        QFETCH(QString, chosen);
        QFETCH(QString, written);
        Fixture f;
        MakeZones(f, {30, 32});
        Calculate(f);
        f.typeIntoCell(0, 4, QStringLiteral("77"));
        // Header text typed but not committed goes into the file, as a save
        // would take it.
        auto *name = f.window().findChild<QLineEdit *>("txt_project_name");
        name->selectAll();
        TypeText(name, QStringLiteral("东方大厦"));

        f.prompter.save_answers << f.path(chosen);
        f.trigger(action.toLatin1().constData());
        QVERIFY2(f.prompter.messages.isEmpty(), qPrintable(f.prompter.messages.join('\n')));
        const QString path = f.path(written);
        QVERIFY(QFileInfo::exists(path));
        if (action == "act_export_xlsx") {
            QCOMPARE(f.prompter.filters, QStringList{QStringLiteral("电子表格(*.xlsx)")});
            // Sheet 3 holds the positions; the typed reading is a number.
            QVERIFY(Unzip(path, "xl/worksheets/sheet3.xml").contains(QStringLiteral("<v>77</v>")));
            QVERIFY(Unzip(path, "xl/sharedStrings.xml").contains(QStringLiteral("东方大厦")));
            const QString unit = Unzip(path, "xl/worksheets/sheet1.xml");
            QVERIFY(unit.contains(QStringLiteral("<v>%1</v>").arg(QString::number(double(f.project().assessed_strength), 'G', 16))));
        } else {
            QCOMPARE(f.prompter.filters, QStringList{QStringLiteral("CSV文件(*.csv)")});
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QByteArray csv = file.readAll();
            QVERIFY(csv.startsWith("\xEF\xBB\xBF"));
            QVERIFY(csv.contains(QStringLiteral("东方大厦").toUtf8()));
            QVERIFY(csv.contains(",30,30,77,30,"));
        }
    }

    void spreadsheetExportFailureNamesFileAndReason()
    {
        Fixture f;
        for (const char *action : {"act_export_xlsx", "act_export_csv"}) {
            f.prompter.clear();
            f.prompter.save_answers << f.path("no/such/dir/unit");
            f.trigger(action);
            QCOMPARE(f.prompter.messages.size(), 1);
            const QStringList lines = f.prompter.messages.front().split('\n');
            QVERIFY2(lines[0].startsWith(QStringLiteral("文件[%1").arg(f.path("no/such/dir/unit"))), qPrintable(lines[0]));
            QVERIFY(lines[0].endsWith(QStringLiteral("]导出失败！")));
            QVERIFY(lines.size() == 2 && !lines[1].isEmpty());
        }
        // A cancelled dialog writes nothing and says nothing.
        f.prompter.clear();
        f.trigger("act_export_xlsx");
        QCOMPARE(f.prompter.file_dialogs, 1);
        QVERIFY(f.prompter.messages.isEmpty());
    }
};

QObject *MakeChartExportTest()
{
    return new ChartExportTest;
}

#include "chart_export_test.moc"
