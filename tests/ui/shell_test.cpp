// Start-up state, the commands' captions, hints and shortcuts, the menus,
// the tool bar, the context menus, the About box and the edit commands.

#include "about_box.h"
#include "component_panel.h"
#include "project_panel.h"
#include "trace.h"
#include "ui_fixture.h"

#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScrollArea>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

using namespace uitest;

class ShellTest : public QObject {
    Q_OBJECT
private slots:
    void startsWithOneDefaultZone()
    {
        Fixture f;
        rebound::MainWindow &w = f.window();
        QCOMPARE(w.windowTitle(), QStringLiteral("Kestrel 砂浆回弹仪处理软件"));
        QCOMPARE(f.project().ComponentCount(), 1u);
        QCOMPARE(w.current_item(), 0);
        QCOMPARE(w.selected_area(), -1);
        QVERIFY(w.file_name().isEmpty());

        QCOMPARE(f.list()->model()->rowCount(), 1);
        const QStringList list_row = {f.listCell(0, 0), f.listCell(0, 1), f.listCell(0, 2), f.listCell(0, 3)};
        QCOMPARE(list_row, (QStringList{"1", "新测区", "1", "2026/12/11"}));

        QCOMPARE(f.grid()->model()->rowCount(), 1);
        QStringList titles;
        for (int c = 0; c < 16; ++c)
            titles << f.grid()->model()->headerData(c, Qt::Horizontal).toString();
        QCOMPARE(titles, (QStringList{"序号", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12",
                                      "碳化(mm)", "平均回弹", "砂浆强度(MPa)"}));
        QCOMPARE(f.cell(0, 0), QStringLiteral("1"));
        for (int c = 1; c <= 12; ++c)
            QCOMPARE(f.cell(0, c), QStringLiteral("10"));
        QCOMPARE(f.cell(0, 13), QStringLiteral("0.0"));
        QCOMPARE(f.cell(0, 14), QStringLiteral("10.0"));
        QCOMPARE(f.cell(0, 15), QStringLiteral("0.0"));

        QCOMPARE(w.findChild<QLineEdit *>("txt_project_name")->text(), QStringLiteral("新工程"));
        QCOMPARE(w.findChild<QDateEdit *>("dt_construction_date")->date(), kToday);
        QCOMPARE(w.findChild<QDateEdit *>("dt_agent_date")->date(), kToday);
        QCOMPARE(w.findChild<QLineEdit *>("Edit_AreaNum")->text(), QStringLiteral("1"));
        QCOMPARE(w.findChild<QLineEdit *>("txt_Fn")->text(), QStringLiteral("0.0"));
        QCOMPARE(w.findChild<QLineEdit *>("txt_sfcu")->text(), QStringLiteral("0.00"));
        QCOMPARE(w.findChild<QComboBox *>("ComboBox_ProjectClass")->currentIndex(), 0);
        QCOMPARE(w.findChild<QLineEdit *>("txt_component_name")->text(), QStringLiteral("新测区"));
        QCOMPARE(w.findChild<QLineEdit *>("txt_area_number")->text(), QStringLiteral("1"));
        QCOMPARE(w.findChild<QLineEdit *>("Edit_FNI")->text(), QStringLiteral("0.00"));
        QCOMPARE(w.findChild<QLineEdit *>("txt_dev_vision")->text(), QStringLiteral("xxx"));
        QCOMPARE(w.findChild<QDateEdit *>("dt_examine_date")->date(), kToday);
        QVERIFY(f.prompter.messages.isEmpty());
        // The settings file now exists under the base directory.
        QVERIFY(QFileInfo::exists(f.path("Setting/Config.ini")));
    }

    void actionsCarryTheirTexts_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("hint");
        QTest::addColumn<QString>("shortcut");
        QTest::newRow("FileNew1") << "新建(&N)" << "新建工程文件" << "Ctrl+N";
        QTest::newRow("FileOpen1") << "打开(&O)" << "打开工程文件" << "Ctrl+O";
        QTest::newRow("FileSave1") << "保存(&S)" << "保存工程文件" << "Ctrl+S";
        QTest::newRow("FileSaveAs1") << "另存为(&A)..." << "另存工程文件" << "";
        QTest::newRow("FileExit1") << "退出(&X)" << "退出" << "";
        QTest::newRow("act_print") << "打印(&P)" << "打印" << "";
        QTest::newRow("act_print_preview") << "打印预览(&V)" << "打印预览" << "";
        QTest::newRow("T1") << "报表设置(&T)" << "报表设置" << "";
        QTest::newRow("EditCut1") << "剪切(&T)" << "剪切" << "Ctrl+X";
        QTest::newRow("EditCopy1") << "复制(&C)" << "拷贝" << "Ctrl+C";
        QTest::newRow("EditPaste1") << "粘贴(&P)" << "粘贴" << "Ctrl+V";
        QTest::newRow("act_create_component") << "新建构件(&C)" << "新建构件" << "";
        QTest::newRow("act_import_component") << "导入构件(&I)" << "导入构件" << "";
        QTest::newRow("act_export_component") << "导出构件(&E)" << "导出构件" << "";
        QTest::newRow("act_remove_component") << "删除构件(&D)" << "删除构件" << "";
        QTest::newRow("act_create_area") << "新建测区(&A)" << "新建测区" << "";
        QTest::newRow("act_remove_area") << "删除测区(&R)" << "删除测区" << "";
        QTest::newRow("act_create_random_area") << "新建随机测区" << "新建随机测区" << "";
        QTest::newRow("act_single_caculate") << "计算构件(&S)" << "计算" << "";
        QTest::newRow("HelpAbout1") << "关于(&A)" << "关于" << "";
    }
    void actionsCarryTheirTexts()
    {
        QFETCH(QString, caption);
        QFETCH(QString, hint);
        QFETCH(QString, shortcut);
        Fixture f;
        auto *action = f.window().findChild<QAction *>(QString::fromLatin1(QTest::currentDataTag()));
        QVERIFY(action);
        QCOMPARE(action->text(), caption);
        QCOMPARE(action->statusTip(), hint);
        QCOMPARE(action->shortcut(), QKeySequence(shortcut));
        QVERIFY(!action->icon().isNull() || action->objectName() == "T1");
    }

    void menusToolBarAndContextMenusAreInOrder()
    {
        Fixture f;
        const auto texts = [](const QList<QAction *> &actions) {
            QStringList out;
            for (QAction *a : actions)
                out << (a->isSeparator() ? QStringLiteral("|") : a->text());
            return out;
        };
        const QList<QAction *> menus = f.window().menuBar()->actions();
        QCOMPARE(texts(menus), (QStringList{"文件(&F)", "编辑(&E)", "数据(&D)", "帮助(&H)"}));
        QCOMPARE(texts(menus[0]->menu()->actions()),
                 (QStringList{"新建(&N)", "打开(&O)", "保存(&S)", "另存为(&A)...", "|", "打印(&P)", "报表设置(&T)",
                              "打印预览(&V)", "|", "退出(&X)"}));
        QCOMPARE(texts(menus[1]->menu()->actions()), (QStringList{"剪切(&T)", "复制(&C)", "粘贴(&P)"}));
        QCOMPARE(texts(menus[2]->menu()->actions()),
                 (QStringList{"新建构件(&C)", "导入构件(&I)", "导出构件(&E)", "删除构件(&D)", "|", "新建测区(&A)",
                              "删除测区(&R)", "新建随机测区", "|", "计算构件(&S)", "|", "导出电子表格(.xlsx)…",
                              "导出CSV…", "导出图表PNG…"}));
        QCOMPARE(texts(menus[3]->menu()->actions()), (QStringList{"关于(&A)"}));
        QCOMPARE(menus[0]->statusTip(), QStringLiteral("File related commands"));

        QStringList tool_hints;
        for (QAction *a : f.window().actions().toolBar->actions())
            tool_hints << (a->isSeparator() ? QStringLiteral("|") : a->toolTip());
        QCOMPARE(tool_hints, (QStringList{"新建工程文件", "打开工程文件", "保存工程文件", "|", "打印", "打印预览", "|",
                                          "新建测区", "删除测区", "新建测位", "删除测位", "导入测区", "导出测区", "|",
                                          "计算", "|", "退出"}));

        auto *zone_menu = f.window().findChild<QMenu *>("PopupMenu_Component");
        auto *area_menu = f.window().findChild<QMenu *>("PopupMenu_AreaData");
        QVERIFY(zone_menu && area_menu);
        QCOMPARE(texts(zone_menu->actions()),
                 (QStringList{"导入测区(&I)", "导出测区(&E)", "|", "新建测区(&C)", "删除测区(&D)"}));
        QCOMPARE(texts(area_menu->actions()), (QStringList{"新建测位(&A)", "删除测位(&R)", "新建随机测位"}));
        // A context menu item runs its command.
        area_menu->actions()[0]->trigger();
        QCOMPARE(f.project().GetComponent(0)->AreaCount(), 2u);
        zone_menu->actions()[3]->trigger();
        QCOMPARE(f.project().ComponentCount(), 2u);
    }

    void aboutBoxSaysWhatTheProgramIs()
    {
        Fixture f;
        f.trigger("HelpAbout1");
        QCOMPARE(f.prompter.dialogs.size(), 1);
        auto *about = qobject_cast<rebound::AboutBox *>(f.prompter.dialogs.front());
        QVERIFY(about);
        QCOMPARE(about->windowTitle(), QStringLiteral("关于..."));
        QCOMPARE(about->size(), QSize(544, 358));
        QCOMPARE(about->findChild<QLabel *>("ProductName")->text(), QStringLiteral("Kestrel 砂浆回弹仪处理软件"));
        QCOMPARE(about->findChild<QLabel *>("Version")->text(), QStringLiteral("v 1.2  20161223"));
        const QString comments = about->findChild<QLabel *>("Comments")->text();
        QVERIFY(comments.contains(QStringLiteral("砂浆")) && comments.contains(QStringLiteral("1.0.0.1")));
    }

    void editCommandsFollowTheFocusedField()
    {
        Fixture f;
        rebound::MainWindow &w = f.window();
        w.activateWindow();
        QApplication::clipboard()->setText(QStringLiteral("工地"));
        auto *cut = w.findChild<QAction *>("EditCut1");
        auto *copy = w.findChild<QAction *>("EditCopy1");
        auto *paste = w.findChild<QAction *>("EditPaste1");

        // The grid itself is no edit field; it takes pasted readings.
        f.grid()->setFocus();
        Flush();
        QVERIFY(!cut->isEnabled() && !copy->isEnabled() && paste->isEnabled());

        auto *name = w.findChild<QLineEdit *>("txt_project_address");
        name->setFocus();
        Flush();
        QVERIFY(!cut->isEnabled() && !copy->isEnabled() && paste->isEnabled());
        paste->trigger();
        QCOMPARE(name->text(), QStringLiteral("工地"));
        name->selectAll();
        QVERIFY(cut->isEnabled() && copy->isEnabled());
        cut->trigger();
        QCOMPARE(name->text(), QString());
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("工地"));

        // A read-only field can be copied from, never cut or pasted into.
        auto *result = w.findChild<QLineEdit *>("Edit_AreaNum");
        result->setFocus();
        result->selectAll();
        Flush();
        QVERIFY(!cut->isEnabled() && copy->isEnabled() && !paste->isEnabled());

        // The grid's cell editor is an edit field too.
        const QModelIndex cell = f.grid()->model()->index(0, 1);
        f.grid()->setCurrentIndex(cell);
        f.grid()->edit(cell);
        Flush();
        QVERIFY(paste->isEnabled());
    }

    void headerFitsAScreenOf1366By768()
    {
        Fixture f;
        rebound::MainWindow &w = f.window();
        w.resize(1366, 740);
        Flush();
        auto *panel = w.projectPanel();
        // Six lines wide enough for the screen; what does not fit in height
        // scrolls.
        QVERIFY2(panel->sizeHint().width() <= 1366 - 30, qPrintable(QString::number(panel->sizeHint().width())));
        auto *area = qobject_cast<QScrollArea *>(panel->parentWidget()->parentWidget());
        QVERIFY(area);
        QVERIFY(area->height() >= 150);
        QVERIFY(f.grid()->height() > 200);
    }

    void traceCategoryIsOffByDefault()
    {
        QVERIFY(!rebound::lcTrace().isDebugEnabled());
        QCOMPARE(QString::fromLatin1(rebound::lcTrace().categoryName()), QStringLiteral("rebound.trace"));
    }
};

QObject *MakeShellTest()
{
    return new ShellTest;
}

#include "shell_test.moc"
