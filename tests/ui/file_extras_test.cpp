// The recent files in the File menu, files dropped on the window and the
// status bar's file name, zone count and unsaved mark.

#include "gbk_text.h"
#include "recent_files.h"
#include "ui_fixture.h"
#include "window_extras.h"

#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QLineEdit>
#include <QMimeData>
#include <QStatusBar>
#include <QTest>
#include <QUrl>

using namespace uitest;
using rebound::Answer;

#ifndef REBOUND_TEST_DATA
#error "REBOUND_TEST_DATA must name tests/data"
#endif

namespace {

const QString kAskSave = QStringLiteral("是否保存当前工程？");

QMenu *FileMenu(Fixture &f)
{
    return f.window().menuBar()->actions().front()->menu();
}

// The File menu's items from the one after 打印预览's separator on.
QStringList MenuTail(Fixture &f)
{
    QStringList out;
    bool after_preview = false;
    int separators = 0;
    for (QAction *a : FileMenu(f)->actions()) {
        if (a->objectName() == "act_print_preview")
            after_preview = true;
        else if (after_preview && a->isSeparator() && ++separators == 1)
            continue;
        else if (after_preview)
            out << (a->isSeparator() ? QStringLiteral("|") : a->statusTip());
    }
    return out;
}

QString ListFile(Fixture &f)
{
    return QDir(QString::fromStdString(f.config.setting_dir)).filePath(QStringLiteral("RecentFiles.txt"));
}

QStringList ListFileLines(Fixture &f)
{
    QFile file(ListFile(f));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
}

// The program started again on the same base directory.
void Restart(Fixture &f)
{
    f.windows.reset();
    f.windows = std::make_unique<rebound::AppWindows>(f.dates, f.prompter, f.config);
    f.window().show();
    Flush();
}

// A project file with `zones` default zones, written as the program writes it.
void WriteProject(const QString &path, int zones)
{
    const rebound::FixedDateProvider today("2026/12/11");
    rebound::ReboundFile project(today);
    for (int i = 0; i < zones; ++i)
        project.AddDefaultComponent();
    QVERIFY(project.Save(path.toStdString()).ok);
}

void SaveProjectWithZones(Fixture &f, const QString &path, int zones)
{
    f.project().Reset();
    for (int i = 0; i < zones; ++i)
        f.project().AddDefaultComponent();
    f.window().RefreshAll();
    f.prompter.save_answers << path;
    f.trigger("FileSaveAs1");
}

QMimeData *Files(const QStringList &paths)
{
    auto *mime = new QMimeData;
    QList<QUrl> urls;
    for (const QString &path : paths)
        urls << QUrl::fromLocalFile(path);
    mime->setUrls(urls);
    // File managers offer the paths as text as well.
    mime->setText(paths.join('\n'));
    return mime;
}

// A drag of `paths` entering `target` (the window by default).
bool DragIsAccepted(Fixture &f, const QStringList &paths, QWidget *target = nullptr)
{
    std::unique_ptr<QMimeData> mime(Files(paths));
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target ? target : &f.window(), &enter);
    return enter.isAccepted();
}

// A drag enters, then drops (the application routes a drop to the widget
// the drag entered).
void Drop(Fixture &f, const QStringList &paths, QWidget *target = nullptr)
{
    QVERIFY(DragIsAccepted(f, paths, target));
    std::unique_ptr<QMimeData> mime(Files(paths));
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target ? target : &f.window(), &drop);
    Flush();
}

QString Status(Fixture &f, const char *name)
{
    auto *label = f.window().findChild<QLabel *>(QString::fromLatin1(name));
    return label ? label->text() : QStringLiteral("<none>");
}

} // namespace

class FileExtrasTest : public QObject {
    Q_OBJECT
private slots:
    void recentFilesKeepTheLastEightAcrossARestart()
    {
        Fixture f;
        QVERIFY(MenuTail(f) == QStringList{QStringLiteral("退出")});
        QStringList saved;
        for (int i = 0; i < 10; ++i) {
            saved << f.path(QStringLiteral("p%1.prj").arg(i));
            f.prompter.save_answers << saved.back();
            f.trigger("FileSaveAs1");
        }
        // Opened again, p4 moves to the top once.
        f.prompter.open_answers << saved[4];
        f.trigger("FileOpen1");
        const QStringList newest{saved[4], saved[9], saved[8], saved[7], saved[6], saved[5], saved[3], saved[2]};
        QCOMPARE(MenuTail(f), (newest + QStringList{"|", QStringLiteral("退出")}));
        QCOMPARE(ListFileLines(f), newest);
        QCOMPARE(f.window().findChild<QAction *>("RecentFile1")->text(), QStringLiteral("&1 ") + saved[4]);

        Restart(f);
        QCOMPARE(MenuTail(f), (newest + QStringList{"|", QStringLiteral("退出")}));
        // The menu itself still ends as it always did.
        QCOMPARE(FileMenu(f)->actions().back()->objectName(), QStringLiteral("FileExit1"));
    }

    void recentFileOpensAsOpenDoes()
    {
        Fixture f;
        SaveProjectWithZones(f, f.path("three.prj"), 3);
        SaveProjectWithZones(f, f.path("one.prj"), 1);
        f.trigger("act_create_component");
        // Unsaved work is offered first; Cancel keeps everything.
        f.prompter.clear();
        f.trigger("RecentFile2");
        QCOMPARE(f.prompter.questions, QStringList{kAskSave});
        QCOMPARE(f.window().file_name(), f.path("one.prj"));
        QCOMPARE(f.project().ComponentCount(), 2u);

        f.prompter.answers << Answer::No;
        f.trigger("RecentFile2");
        QCOMPARE(f.window().file_name(), f.path("three.prj"));
        QCOMPARE(f.list()->model()->rowCount(), 3);
        QCOMPARE(f.window().findChild<QAction *>("RecentFile1")->statusTip(), f.path("three.prj"));
    }

    void damagedOrMissingEntriesAreHandled()
    {
        Fixture f;
        SaveProjectWithZones(f, f.path("kept.prj"), 2);
        // A list written by hand: blank lines, a repeat, a file since gone.
        QFile list(ListFile(f));
        QVERIFY(list.open(QIODevice::WriteOnly));
        list.write(QStringLiteral("\n%1\r\n%2\n\n%1\n").arg(f.path("gone.prj"), f.path("kept.prj")).toUtf8());
        list.close();
        Restart(f);
        QCOMPARE(MenuTail(f), (QStringList{f.path("gone.prj"), f.path("kept.prj"), "|", QStringLiteral("退出")}));

        f.prompter.clear();
        f.trigger("RecentFile1");
        QCOMPARE(f.prompter.messages.size(), 1);
        QVERIFY(f.prompter.messages.front().startsWith(QStringLiteral("工程文件[%1]导入失败！").arg(f.path("gone.prj"))));
        QVERIFY(f.prompter.questions.isEmpty());
        QCOMPARE(MenuTail(f), (QStringList{f.path("kept.prj"), "|", QStringLiteral("退出")}));
        QCOMPARE(ListFileLines(f), QStringList{f.path("kept.prj")});

        // A list that cannot be written costs nothing but the list.
        QFile::remove(ListFile(f));
        QVERIFY(QDir().mkdir(ListFile(f)));
        f.prompter.clear();
        f.prompter.save_answers << f.path("other.prj");
        f.trigger("FileSaveAs1");
        QVERIFY(f.prompter.messages.isEmpty());
        QCOMPARE(MenuTail(f).front(), f.path("other.prj"));
    }

    void droppedProjectOpensAfterTheQuestion()
    {
        Fixture f;
        WriteProject(f.path("three.PRJ"), 3);
        f.trigger("act_create_component");
        QVERIFY(DragIsAccepted(f, {f.path("three.PRJ")}));
        QVERIFY(!DragIsAccepted(f, {f.path("notes.txt")}));

        f.prompter.clear();
        f.prompter.answers << Answer::No;
        Drop(f, {f.path("three.PRJ")});
        QCOMPARE(f.prompter.questions, QStringList{kAskSave});
        QCOMPARE(f.window().file_name(), f.path("three.PRJ"));
        QCOMPARE(f.list()->model()->rowCount(), 3);
        QCOMPARE(f.prompter.file_dialogs, 0);

        // Dropped on a header field, a project still opens and the field
        // does not get its path.
        auto *name = f.window().findChild<QLineEdit *>("txt_project_name");
        WriteProject(f.path("two.prj"), 2);
        Drop(f, {f.path("two.prj")}, name);
        QCOMPARE(f.window().file_name(), f.path("two.prj"));
        QCOMPARE(name->text(), QStringLiteral("新工程"));
        // So does a cell editor of the grid.
        const QModelIndex cell = f.grid()->model()->index(0, 1);
        f.grid()->setCurrentIndex(cell);
        f.grid()->edit(cell);
        auto *editor = f.grid()->viewport()->findChild<QLineEdit *>();
        QVERIFY(editor);
        Drop(f, {f.path("three.PRJ")}, editor);
        QCOMPARE(f.window().file_name(), f.path("three.PRJ"));
        QCOMPARE(f.cell(0, 1), QStringLiteral("10"));

        // Two projects at once: which one was meant is not guessed.
        f.prompter.clear();
        Drop(f, {f.path("three.PRJ"), f.path("three.PRJ")});
        QCOMPARE(f.prompter.messages.size(), 1);
        QCOMPARE(f.project().ComponentCount(), 3u);
    }

    void droppedZoneFilesAreImportedInOrder()
    {
        Fixture f;
        const QString kst = f.path("device.KST");
        QVERIFY(QFile::copy(QStringLiteral(REBOUND_TEST_DATA "/instrument_two_positions.kst"), kst));
        const QString xcmp = QStringLiteral(REBOUND_TEST_DATA "/zone_chinese_texts.xcmp");
        const QString other = f.path("notes.txt");
        QVERIFY(DragIsAccepted(f, {other, xcmp}));
        Drop(f, {kst, other, xcmp});
        QCOMPARE(f.prompter.messages.size(), 1);
        QVERIFY(f.prompter.messages.front().contains(other));
        QCOMPARE(f.project().ComponentCount(), 3u);
        QCOMPARE(f.listCell(1, 1), QStringLiteral("A1"));
        QCOMPARE(f.listCell(2, 2), QStringLiteral("2"));
        QCOMPARE(f.window().current_item(), 2);
        QCOMPARE(f.prompter.file_dialogs, 0);
    }

    void statusBarShowsFileZonesAndUnsavedMark()
    {
        Fixture f;
        QCOMPARE(Status(f, "StatusFileName"), QStringLiteral("未命名"));
        QCOMPARE(Status(f, "StatusZoneCount"), QStringLiteral("测区数：1"));
        QCOMPARE(Status(f, "StatusUnsaved"), QString());

        f.trigger("act_create_component");
        QCOMPARE(Status(f, "StatusZoneCount"), QStringLiteral("测区数：2"));
        QCOMPARE(Status(f, "StatusUnsaved"), QStringLiteral("已修改"));

        f.prompter.save_answers << f.path("unit.prj");
        f.trigger("FileSave1");
        QCOMPARE(Status(f, "StatusFileName"), QStringLiteral("unit.prj"));
        QCOMPARE(Status(f, "StatusUnsaved"), QString());

        // A reading typed, then header text typed and not yet committed.
        f.typeIntoCell(0, 1, QStringLiteral("44"));
        QCOMPARE(Status(f, "StatusUnsaved"), QStringLiteral("已修改"));
        f.trigger("FileSave1");
        QCOMPARE(Status(f, "StatusUnsaved"), QString());
        auto *name = f.window().findChild<QLineEdit *>("txt_project_name");
        name->selectAll();
        TypeText(name, QStringLiteral("改"));
        Flush();
        QCOMPARE(Status(f, "StatusUnsaved"), QStringLiteral("已修改"));

        f.prompter.answers << Answer::No;
        f.trigger("FileNew1");
        QCOMPARE(Status(f, "StatusFileName"), QStringLiteral("未命名"));
        QCOMPARE(Status(f, "StatusZoneCount"), QStringLiteral("测区数：1"));
        QCOMPARE(Status(f, "StatusUnsaved"), QString());
        // The hint line is still the status bar's own.
        f.window().statusBar()->showMessage(QStringLiteral("新建工程文件"));
        QCOMPARE(f.window().statusBar()->currentMessage(), QStringLiteral("新建工程文件"));
        QCOMPARE(Status(f, "StatusZoneCount"), QStringLiteral("测区数：1"));
    }
};

QObject *MakeFileExtrasTest()
{
    return new FileExtrasTest;
}

#include "file_extras_test.moc"
