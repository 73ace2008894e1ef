// A failure inside a command, running out of memory included, becomes a
// message; the window goes on working.

#include "ui_fixture.h"

#include <QFile>
#include <QTest>

#include <new>
#include <stdexcept>

using namespace uitest;

class GuardTest : public QObject {
    Q_OBJECT
private slots:
    void failuresBecomeMessages_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<bool>("out_of_memory");
        QTest::addColumn<QString>("message");
        QTest::newRow("new, out of memory") << "FileNew1" << true << "内存不足，操作未能完成。";
        QTest::newRow("open, error") << "FileOpen1" << false << "操作未能完成：磁盘出错";
        QTest::newRow("save, out of memory") << "FileSave1" << true << "工程文件保存失败！\n内存不足，操作未能完成。";
        QTest::newRow("save as, error") << "FileSaveAs1" << false << "工程文件保存失败！\n操作未能完成：磁盘出错";
        QTest::newRow("import, out of memory") << "act_import_component" << true << "内存不足，操作未能完成。";
        QTest::newRow("export, error") << "act_export_component" << false << "操作未能完成：磁盘出错";
        QTest::newRow("random, out of memory") << "act_create_random_area" << true << "内存不足，操作未能完成。";
        QTest::newRow("about, error") << "HelpAbout1" << false << "操作未能完成：磁盘出错";
    }
    void failuresBecomeMessages()
    {
        QFETCH(QString, action);
        QFETCH(bool, out_of_memory);
        QFETCH(QString, message);
        Fixture f;
        f.prompter.fail_next = [out_of_memory] {
            if (out_of_memory)
                throw std::bad_alloc();
            throw std::runtime_error("磁盘出错");
        };
        f.trigger(action.toLatin1().constData());
        QCOMPARE(f.prompter.messages, QStringList{message});
        // The window still works.
        f.trigger("act_create_area");
        QCOMPARE(f.grid()->model()->rowCount(), 2);
    }

    void failureWhileClosingKeepsTheWindowOpen()
    {
        Fixture f;
        f.trigger("act_create_component");
        f.prompter.fail_next = [] { throw std::bad_alloc(); };
        QVERIFY(!f.window().close());
        QCOMPARE(f.prompter.messages, QStringList{QStringLiteral("内存不足，操作未能完成。")});
        QVERIFY(f.window().isVisible());
    }

    void failureInsideTheImportLoopIsAnImportFailure()
    {
        Fixture f;
        f.prompter.save_answers << f.path("z");
        f.trigger("act_export_component");
        QFile dat(f.path("x.dat"));
        QVERIFY(dat.open(QIODevice::WriteOnly));
        dat.close();
        // The second file fails, and reporting that fails too.
        f.prompter.open_many_answers << QStringList{f.path("z.xcmp"), f.path("x.dat"), f.path("z.xcmp")};
        f.prompter.fail_after = 1;
        f.prompter.fail_next = [] { throw std::runtime_error("显示失败"); };
        f.trigger("act_import_component");
        QCOMPARE(f.prompter.messages, QStringList{QStringLiteral("测区导入失败！")});
        QCOMPARE(f.project().ComponentCount(), 2u);
    }
};

QObject *MakeGuardTest()
{
    return new GuardTest;
}

#include "guard_test.moc"
