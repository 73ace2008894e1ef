// Zone export and import from the window: names, messages, the order of
// imported zones and the test date of an instrument file.

#include "gbk_text.h"
#include "io/zone_exchange.h"
#include "ui_fixture.h"

#include <QFile>
#include <QLineEdit>
#include <QTest>

using namespace uitest;

#ifndef REBOUND_TEST_DATA
#error "REBOUND_TEST_DATA must name tests/data"
#endif

namespace {

QString DataFile(const char *name)
{
    return QStringLiteral(REBOUND_TEST_DATA "/") + QString::fromLatin1(name);
}

} // namespace

class ExchangeTest : public QObject {
    Q_OBJECT
private slots:
    void exportWithoutZoneSaysSoBeforeAnyDialog()
    {
        Fixture f;
        f.trigger("act_remove_component");
        f.trigger("act_export_component");
        QCOMPARE(f.prompter.messages, QStringList{QStringLiteral("未选择测区")});
        QCOMPARE(f.prompter.file_dialogs, 0);
    }

    void exportAppliesTheZoneExtension_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("written");
        QTest::newRow("no extension") << "zone" << "zone.xcmp";
        QTest::newRow(".xcmp") << "zone.xcmp" << "zone.xcmp";
        QTest::newRow(".XCMP") << "a.XCMP" << "a.XCMP.xcmp";
    }
    void exportAppliesTheZoneExtension()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, written);
        Fixture f;
        f.prompter.save_answers << f.path(chosen);
        f.trigger("act_export_component");
        QVERIFY(QFileInfo(f.path(written)).size() > 0);
        QCOMPARE(f.prompter.filters, QStringList{QStringLiteral("测区文件(*.xcmp)")});
        QVERIFY(f.prompter.messages.isEmpty());
    }

    void exportThatCannotWriteIsReported()
    {
        Fixture f;
        f.prompter.save_answers << f.path("no/such/dir/z.xcmp");
        f.trigger("act_export_component");
        QCOMPARE(f.prompter.messages.size(), 1);
        QVERIFY(f.prompter.messages.front().startsWith(QStringLiteral("文件保存失败！")));
    }

    void exportedZonesComeBackInOrder()
    {
        Fixture f;
        rebound::ComponentInfo &zone = *f.project().GetComponent(0);
        zone.component_name = rebound::Utf8ToGbk("墙A").bytes;
        zone.areas[0].readings[5] = 77;
        zone.areas[0].carbonation_code = 4;
        zone.mean_strength = 3.25f;
        QStringList paths;
        for (const char *name : {"a", "b", "c"}) {
            f.prompter.save_answers << f.path(QString::fromLatin1(name));
            f.trigger("act_export_component");
            paths << f.path(QString::fromLatin1(name) + ".xcmp");
            zone.component_name += "+";
        }
        f.prompter.open_many_answers << paths;
        f.trigger("act_import_component");
        QCOMPARE(f.prompter.filters.last(), QStringLiteral("设备文件(*.kst *.KST);;测区文件(*.xcmp)"));
        QCOMPARE(f.project().ComponentCount(), 4u);
        QCOMPARE(f.listCell(1, 1), QStringLiteral("墙A"));
        QCOMPARE(f.listCell(2, 1), QStringLiteral("墙A+"));
        QCOMPARE(f.listCell(3, 1), QStringLiteral("墙A++"));
        QCOMPARE(f.window().current_item(), 3);
        QCOMPARE(f.cell(0, 6), QStringLiteral("77"));
        QCOMPARE(f.cell(0, 13), QStringLiteral("2.00"));
        QCOMPARE(f.window().findChild<QLineEdit *>("Edit_FNI")->text(), QStringLiteral("3.25"));
        QVERIFY(f.prompter.messages.isEmpty());
    }

    void importStopsAtTheFirstFileItCannotRead_data()
    {
        QTest::addColumn<QString>("bad");
        QTest::newRow("unknown extension") << "notes.dat";
        QTest::newRow("mixed-case .Kst") << "dev.Kst";
        QTest::newRow("cannot be opened") << "gone.xcmp";
        QTest::newRow("empty file") << "empty.xcmp";
        QTest::newRow("truncated instrument file") << "cut.kst";
    }
    void importStopsAtTheFirstFileItCannotRead()
    {
        QFETCH(QString, bad);
        Fixture f;
        f.prompter.save_answers << f.path("good");
        f.trigger("act_export_component");
        for (const QString &name : {QStringLiteral("notes.dat"), QStringLiteral("dev.Kst"), QStringLiteral("empty.xcmp")}) {
            QFile file(f.path(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        {
            // Header and the first record of a two-record instrument file.
            QFile whole(DataFile("instrument_two_positions.kst"));
            QVERIFY(whole.open(QIODevice::ReadOnly));
            QFile cut(f.path("cut.kst"));
            QVERIFY(cut.open(QIODevice::WriteOnly));
            cut.write(whole.read(84 + 24));
        }
        f.prompter.open_many_answers << QStringList{f.path("good.xcmp"), f.path(bad), f.path("good.xcmp")};
        f.trigger("act_import_component");
        QCOMPARE(f.project().ComponentCount(), 2u);
        QCOMPARE(f.window().current_item(), 1);
        QCOMPARE(f.prompter.messages.size(), 1);
        const QStringList lines = f.prompter.messages.front().split('\n');
        QCOMPARE(lines[0], QStringLiteral("[%1]测区导入失败！").arg(f.path(bad)));
        // The reader's reason follows on a line of its own.
        QCOMPARE(lines.size(), 2);
        QVERIFY(!lines[1].isEmpty());
    }

    void instrumentFileIsDatedByTheFileItself()
    {
        Fixture f;
        const QString kst = f.path("device.kst");
        QVERIFY(QFile::copy(DataFile("instrument_two_positions.kst"), kst));
        f.prompter.open_many_answers << QStringList{kst};
        f.trigger("act_import_component");
        QVERIFY2(f.prompter.messages.isEmpty(), qPrintable(f.prompter.messages.join('\n')));
        QCOMPARE(f.project().ComponentCount(), 2u);
        const QString expected = f.dates.formatShort(rebound::FileCreationDate(kst, QDate::currentDate()));
        QCOMPARE(rebound::DisplayText(f.project().GetComponent(1)->examine_date), expected);
        QCOMPARE(f.listCell(1, 3), expected);
        QCOMPARE(f.grid()->model()->rowCount(), 2);
    }
};

QObject *MakeExchangeTest()
{
    return new ExchangeTest;
}

#include "exchange_test.moc"
