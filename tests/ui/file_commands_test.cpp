// New, Open, Save, Save As and closing: file names, the ".prj" rule, the
// questions about unsaved work and replacing files, and every failure.

#include "gbk_text.h"
#include "ui_fixture.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QTest>

using namespace uitest;
using rebound::Answer;

namespace {

const QString kAskSave = QStringLiteral("是否保存当前工程？");

void TypeProjectName(Fixture &f, const QString &name)
{
    auto *edit = f.window().findChild<QLineEdit *>("txt_project_name");
    edit->selectAll();
    TypeText(edit, name);
}

QString StoredName(const QString &path)
{
    const rebound::FixedDateProvider today("2026/12/11");
    rebound::ReboundFile read(today);
    const rebound::IoResult loaded = read.Load(path.toStdString());
    return loaded.ok ? rebound::DisplayText(read.project_name) : QStringLiteral("<unreadable>");
}

} // namespace

class FileCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void saveAsAppliesTheProjectExtension_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("written");
        QTest::newRow("no extension") << "report" << "report.prj";
        QTest::newRow(".prj") << "report.prj" << "report.prj";
        QTest::newRow(".txt") << "report.txt" << "report.txt.prj";
        QTest::newRow(".PRJ") << "report.PRJ" << "report.PRJ.prj";
    }
    void saveAsAppliesTheProjectExtension()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, written);
        Fixture f;
        TypeProjectName(f, QStringLiteral("另存"));
        f.prompter.save_answers << f.path(chosen);
        f.trigger("FileSaveAs1");
        QCOMPARE(f.window().file_name(), f.path(written));
        QCOMPARE(StoredName(f.path(written)), QStringLiteral("另存"));
        QCOMPARE(f.prompter.filters, QStringList{QStringLiteral("工程文件(*.prj);;所有文件(*.*)")});
        QVERIFY(f.prompter.messages.isEmpty());
        QVERIFY(!f.window().HasUnsavedChanges());
    }

    void saveAsksForANameOnlyOnce()
    {
        Fixture f;
        f.trigger("FileSave1");  // dialog cancelled
        QVERIFY(f.window().file_name().isEmpty());
        QVERIFY(f.prompter.messages.isEmpty());
        QCOMPARE(f.prompter.file_dialogs, 1);

        f.prompter.save_answers << f.path("a");
        f.trigger("FileSave1");
        QCOMPARE(f.window().file_name(), f.path("a.prj"));
        TypeProjectName(f, QStringLiteral("第二次"));
        f.trigger("FileSave1");
        QCOMPARE(f.prompter.file_dialogs, 2);
        QCOMPARE(StoredName(f.path("a.prj")), QStringLiteral("第二次"));
    }

    void replacingAFileTheDialogDidNotOfferIsAsked()
    {
        Fixture f;
        QFile old(f.path("x.prj"));
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("keep me");
        old.close();

        // The dialog returned "x"; the rule made it x.prj, which exists.
        f.prompter.save_answers << f.path("x");
        f.prompter.answers << Answer::No;
        f.trigger("FileSaveAs1");
        QCOMPARE(f.prompter.questions, QStringList{QStringLiteral("文件[%1]已存在，是否替换它？").arg(f.path("x.prj"))});
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("keep me"));
        old.close();
        QVERIFY(f.window().file_name().isEmpty());

        f.prompter.clear();
        f.prompter.save_answers << f.path("x");
        f.prompter.answers << Answer::Yes;
        f.trigger("FileSaveAs1");
        QCOMPARE(StoredName(f.path("x.prj")), QStringLiteral("新工程"));

        // The dialog itself asked about x.prj: no second question.
        f.prompter.clear();
        f.prompter.save_dialog_confirmed = true;
        f.prompter.save_answers << f.path("x.prj");
        f.trigger("FileSaveAs1");
        QVERIFY(f.prompter.questions.isEmpty());
    }

    void failedSaveIsReportedAndKeepsTheName()
    {
        Fixture f;
        const QString path = f.path("missing/dir/p.prj");
        f.prompter.save_answers << path;
        f.trigger("FileSave1");
        QCOMPARE(f.prompter.messages.size(), 1);
        QVERIFY(f.prompter.messages.front().startsWith(QStringLiteral("工程文件保存失败！\n")));
        QCOMPARE(f.window().file_name(), path);
    }

    void newAsksAndFollowsTheAnswer()
    {
        Fixture f;
        f.trigger("act_create_component");
        TypeProjectName(f, QStringLiteral("旧工程"));

        f.prompter.answers << Answer::Cancel;
        f.trigger("FileNew1");
        QCOMPARE(f.prompter.questions, QStringList{kAskSave});
        QCOMPARE(f.project().ComponentCount(), 2u);

        // Yes on an untitled project asks for a name; cancelling abandons New.
        f.prompter.answers << Answer::Yes;
        f.trigger("FileNew1");
        QCOMPARE(f.project().ComponentCount(), 2u);
        QVERIFY(f.prompter.messages.isEmpty());

        // A save that fails is reported, and New stops.
        f.prompter.answers << Answer::Yes;
        f.prompter.save_answers << f.path("none/x.prj");
        f.trigger("FileNew1");
        QCOMPARE(f.prompter.messages.size(), 1);
        QVERIFY(f.prompter.messages.front().startsWith(QStringLiteral("工程文件保存失败！")));
        QCOMPARE(f.project().ComponentCount(), 2u);

        // A good save: the typed name is in the file, then the new project.
        f.window().setFileName(QString());
        f.prompter.answers << Answer::Yes;
        f.prompter.save_answers << f.path("old.prj");
        f.trigger("FileNew1");
        QCOMPARE(StoredName(f.path("old.prj")), QStringLiteral("旧工程"));
        QCOMPARE(f.project().ComponentCount(), 1u);
        QVERIFY(f.window().file_name().isEmpty());
        QCOMPARE(f.window().findChild<QLineEdit *>("txt_project_name")->text(), QStringLiteral("新工程"));
        QCOMPARE(f.window().findChild<QComboBox *>("ComboBox_ProjectClass")->currentIndex(), 0);

        // No discards without saving.
        TypeProjectName(f, QStringLiteral("丢弃"));
        f.prompter.answers << Answer::No;
        f.trigger("FileNew1");
        QCOMPARE(f.window().findChild<QLineEdit *>("txt_project_name")->text(), QStringLiteral("新工程"));
        QCOMPARE(StoredName(f.path("old.prj")), QStringLiteral("旧工程"));
    }

    void openShowsTheFile()
    {
        Fixture f;
        f.project().project_class = 1;
        f.project().assessed_strength = 4.56f;
        f.project().AddDefaultComponent();
        f.project().GetComponent(1)->component_name = rebound::TansyString("B");
        f.prompter.save_answers << f.path("two.prj");
        f.trigger("FileSave1");

        f.prompter.answers << Answer::No;
        f.trigger("FileNew1");
        f.prompter.open_answers << f.path("two.prj");
        f.trigger("FileOpen1");
        QVERIFY(f.prompter.questions.size() == 1);  // only New asked
        QCOMPARE(f.window().file_name(), f.path("two.prj"));
        QCOMPARE(f.list()->model()->rowCount(), 2);
        QCOMPARE(f.listCell(1, 1), QStringLiteral("B"));
        QCOMPARE(f.window().current_item(), 0);
        QCOMPARE(f.window().findChild<QComboBox *>("ComboBox_ProjectClass")->currentText(), QStringLiteral("既有砌体工程"));
        QCOMPARE(f.window().findChild<QLineEdit *>("txt_Fn")->text(), QStringLiteral("4.6"));
        QCOMPARE(f.window().findChild<QLineEdit *>("Edit_AreaNum")->text(), QStringLiteral("2"));
        QVERIFY(!f.window().HasUnsavedChanges());
    }

    void failedOpenKeepsTheProjectAndItsName_data()
    {
        QTest::addColumn<QByteArray>("content");  // empty: no file at all
        QTest::newRow("missing") << QByteArray();
        QTest::newRow("truncated") << QByteArray("\x04\x00\x00\x00" "ab", 6);
    }
    void failedOpenKeepsTheProjectAndItsName()
    {
        QFETCH(QByteArray, content);
        Fixture f;
        f.prompter.save_answers << f.path("kept.prj");
        f.trigger("FileSave1");
        f.trigger("act_create_component");
        const QString bad = f.path("bad.prj");
        if (!content.isEmpty()) {
            QFile file(bad);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        f.prompter.answers << Answer::No;
        f.prompter.open_answers << bad;
        f.trigger("FileOpen1");
        QCOMPARE(f.prompter.messages.size(), 1);
        const QStringList lines = f.prompter.messages.front().split('\n');
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines[0], QStringLiteral("工程文件[%1]导入失败！").arg(bad));
        QVERIFY(!lines[1].isEmpty());
        QCOMPARE(f.window().file_name(), f.path("kept.prj"));
        QCOMPARE(f.project().ComponentCount(), 2u);
        QCOMPARE(f.list()->model()->rowCount(), 2);
    }

    void untouchedProjectIsNotOffered()
    {
        Fixture f;
        // Untouched: neither Open nor Close asks.
        f.trigger("FileOpen1");
        QVERIFY(f.prompter.questions.isEmpty());
        QVERIFY(f.window().close());
        QVERIFY(f.prompter.questions.isEmpty());
        QVERIFY(f.window().closing());
    }

    void unsavedWorkQuestion_data()
    {
        QTest::addColumn<QString>("change");  // "grid", "panel" or "zone"
        QTest::addColumn<int>("answer");
        QTest::newRow("grid, cancel") << "grid" << int(Answer::Cancel);
        QTest::newRow("panel, cancel") << "panel" << int(Answer::Cancel);
        QTest::newRow("zone, no") << "zone" << int(Answer::No);
        QTest::newRow("panel, yes") << "panel" << int(Answer::Yes);
    }
    void unsavedWorkQuestion()
    {
        QFETCH(QString, change);
        QFETCH(int, answer);
        for (const char *command : {"FileOpen1", "close"}) {
            Fixture f;
            f.prompter.save_answers << f.path("saved.prj");
            f.trigger("FileSave1");
            if (change == "grid")
                f.typeIntoCell(0, 1, QStringLiteral("33"));
            else if (change == "panel")
                TypeProjectName(f, QStringLiteral("改名"));
            else
                f.trigger("act_create_component");
            f.prompter.answers << Answer(answer);
            bool closed = false;
            if (QByteArray(command) == "close")
                closed = f.window().close();
            else
                f.trigger(command);
            QCOMPARE(f.prompter.questions, QStringList{kAskSave});
            const bool goes_on = Answer(answer) != Answer::Cancel;
            QCOMPARE(closed, QByteArray(command) == "close" && goes_on);
            QCOMPARE(f.prompter.file_dialogs, 1 + (QByteArray(command) == "FileOpen1" && goes_on ? 1 : 0));
            if (Answer(answer) == Answer::Yes && change == "panel")
                QCOMPARE(StoredName(f.path("saved.prj")), QStringLiteral("改名"));
            if (Answer(answer) == Answer::Cancel)
                QVERIFY(f.window().HasUnsavedChanges());
        }
    }

    void readingStillInItsEditorIsSaved()
    {
        Fixture f;
        f.window().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f.window()));
        f.grid()->setFocus();
        const QModelIndex cell = f.grid()->model()->index(0, 2);
        f.grid()->setCurrentIndex(cell);
        f.grid()->edit(cell);
        auto *editor = qobject_cast<QLineEdit *>(QApplication::focusWidget());
        QVERIFY(editor);
        editor->setText(QStringLiteral("47"));
        // Pressing the Save button leaves the editor open.
        f.prompter.save_answers << f.path("pending.prj");
        f.trigger("FileSave1");
        const rebound::FixedDateProvider today("2026/12/11");
        rebound::ReboundFile read(today);
        QVERIFY(read.Load(f.path("pending.prj").toStdString()).ok);
        QCOMPARE(int(read.GetComponent(0)->areas[0].readings[1]), 47);
    }

    void exitClosesTheWindow()
    {
        Fixture f;
        f.trigger("FileExit1");
        QVERIFY(!f.window().isVisible());
    }
};

QObject *MakeFileCommandsTest()
{
    return new FileCommandsTest;
}

#include "file_commands_test.moc"
