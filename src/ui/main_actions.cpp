#include "main_actions.h"

#include <QAction>
#include <QIcon>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

namespace rebound {

namespace {

QAction *MakeAction(QMainWindow &window, const char *name, const char *caption, const char *hint,
                    const char *icon, const QKeySequence &shortcut = {})
{
    auto *action = new QAction(QString::fromUtf8(caption), &window);
    action->setObjectName(QString::fromLatin1(name));
    action->setStatusTip(QString::fromUtf8(hint));
    action->setToolTip(QString::fromUtf8(hint));
    if (icon)
        action->setIcon(QIcon(QStringLiteral(":/icons/%1.svg").arg(QString::fromLatin1(icon))));
    if (!shortcut.isEmpty())
        action->setShortcut(shortcut);
    return action;
}

// A context menu item: its own caption and hint, running `command`.
QAction *PopupItem(QMenu &menu, const char *name, const char *caption, const char *hint, QAction *command)
{
    QAction *item = menu.addAction(command->icon(), QString::fromUtf8(caption));
    item->setObjectName(QString::fromLatin1(name));
    if (hint) {
        item->setStatusTip(QString::fromUtf8(hint));
        item->setToolTip(QString::fromUtf8(hint));
    }
    QObject::connect(item, &QAction::triggered, command, &QAction::trigger);
    return item;
}

} // namespace

MainActions::MainActions(QMainWindow &window)
{
    FileNew1 = MakeAction(window, "FileNew1", "新建(&N)", "新建工程文件", "new", QKeySequence(QStringLiteral("Ctrl+N")));
    FileOpen1 = MakeAction(window, "FileOpen1", "打开(&O)", "打开工程文件", "open", QKeySequence(QStringLiteral("Ctrl+O")));
    FileSave1 = MakeAction(window, "FileSave1", "保存(&S)", "保存工程文件", "save", QKeySequence(QStringLiteral("Ctrl+S")));
    FileSaveAs1 = MakeAction(window, "FileSaveAs1", "另存为(&A)...", "另存工程文件", "save_as");
    FileExit1 = MakeAction(window, "FileExit1", "退出(&X)", "退出", "exit");
    act_print = MakeAction(window, "act_print", "打印(&P)", "打印", "print");
    act_print_preview = MakeAction(window, "act_print_preview", "打印预览(&V)", "打印预览", "preview");
    T1 = MakeAction(window, "T1", "报表设置(&T)", "报表设置", "settings");
    EditCut1 = MakeAction(window, "EditCut1", "剪切(&T)", "剪切", "cut", QKeySequence(QStringLiteral("Ctrl+X")));
    EditCopy1 = MakeAction(window, "EditCopy1", "复制(&C)", "拷贝", "copy", QKeySequence(QStringLiteral("Ctrl+C")));
    EditPaste1 = MakeAction(window, "EditPaste1", "粘贴(&P)", "粘贴", "paste", QKeySequence(QStringLiteral("Ctrl+V")));
    act_create_component = MakeAction(window, "act_create_component", "新建构件(&C)", "新建构件", "zone_new");
    act_import_component = MakeAction(window, "act_import_component", "导入构件(&I)", "导入构件", "import");
    act_export_component = MakeAction(window, "act_export_component", "导出构件(&E)", "导出构件", "export");
    act_remove_component = MakeAction(window, "act_remove_component", "删除构件(&D)", "删除构件", "zone_delete");
    act_create_area = MakeAction(window, "act_create_area", "新建测区(&A)", "新建测区", "area_new");
    act_remove_area = MakeAction(window, "act_remove_area", "删除测区(&R)", "删除测区", "area_delete");
    act_create_random_area = MakeAction(window, "act_create_random_area", "新建随机测区", "新建随机测区", "random");
    // The action's own caption is "计算单个构件(&S)"; the menu shows it as
    // "计算构件(&S)", and a Qt action has one caption.
    act_single_caculate = MakeAction(window, "act_single_caculate", "计算构件(&S)", "计算", "calculate");
    act_single_caculate->setIconText(QStringLiteral("计算单个构件"));
    HelpAbout1 = MakeAction(window, "HelpAbout1", "关于(&A)", "关于", "about");

    QMenuBar *bar = window.menuBar();
    QMenu *file = bar->addMenu(QStringLiteral("文件(&F)"));
    file->setObjectName(QStringLiteral("File1"));
    file->menuAction()->setStatusTip(QStringLiteral("File related commands"));
    file->addActions({FileNew1, FileOpen1, FileSave1, FileSaveAs1});
    file->addSeparator();
    file->addActions({act_print, T1, act_print_preview});
    file->addSeparator();
    file->addAction(FileExit1);

    QMenu *edit = bar->addMenu(QStringLiteral("编辑(&E)"));
    edit->setObjectName(QStringLiteral("Edit1"));
    edit->menuAction()->setStatusTip(QStringLiteral("Edit commands"));
    edit->addActions({EditCut1, EditCopy1, EditPaste1});

    QMenu *data = bar->addMenu(QStringLiteral("数据(&D)"));
    data->setObjectName(QStringLiteral("Data1"));
    data->addActions({act_create_component, act_import_component, act_export_component, act_remove_component});
    data->addSeparator();
    data->addActions({act_create_area, act_remove_area, act_create_random_area});
    data->addSeparator();
    data->addAction(act_single_caculate);

    QMenu *help = bar->addMenu(QStringLiteral("帮助(&H)"));
    help->setObjectName(QStringLiteral("Help1"));
    help->menuAction()->setStatusTip(QStringLiteral("Help topics"));
    help->addAction(HelpAbout1);

    // The tool bar words the zone and position commands as 测区 and 测位.
    toolBar = window.addToolBar(QStringLiteral("ToolBar1"));
    toolBar->setObjectName(QStringLiteral("ToolBar1"));
    toolBar->setMovable(false);
    toolBar->setFloatable(false);
    toolBar->setIconSize(QSize(24, 24));
    toolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    toolBar->setContextMenuPolicy(Qt::PreventContextMenu);
    const auto tool = [this](QAction *action, const char *hint) {
        toolBar->addAction(action);
        action->setToolTip(QString::fromUtf8(hint));
    };
    tool(FileNew1, "新建工程文件");
    tool(FileOpen1, "打开工程文件");
    tool(FileSave1, "保存工程文件");
    toolBar->addSeparator();
    tool(act_print, "打印");
    tool(act_print_preview, "打印预览");
    toolBar->addSeparator();
    tool(act_create_component, "新建测区");
    tool(act_remove_component, "删除测区");
    tool(act_create_area, "新建测位");
    tool(act_remove_area, "删除测位");
    tool(act_import_component, "导入测区");
    tool(act_export_component, "导出测区");
    toolBar->addSeparator();
    tool(act_single_caculate, "计算");
    toolBar->addSeparator();
    tool(FileExit1, "退出");

    PopupMenu_Component = new QMenu(&window);
    PopupMenu_Component->setObjectName(QStringLiteral("PopupMenu_Component"));
    PopupItem(*PopupMenu_Component, "PopupImportComponent", "导入测区(&I)", "导入测区", act_import_component);
    PopupItem(*PopupMenu_Component, "PopupExportComponent", "导出测区(&E)", "导出测区", act_export_component);
    PopupMenu_Component->addSeparator();
    PopupItem(*PopupMenu_Component, "PopupCreateComponent", "新建测区(&C)", "新建测区", act_create_component);
    PopupItem(*PopupMenu_Component, "PopupRemoveComponent", "删除测区(&D)", "删除测区", act_remove_component);

    PopupMenu_AreaData = new QMenu(&window);
    PopupMenu_AreaData->setObjectName(QStringLiteral("PopupMenu_AreaData"));
    PopupItem(*PopupMenu_AreaData, "PopupCreateArea", "新建测位(&A)", "新建测位", act_create_area);
    PopupItem(*PopupMenu_AreaData, "PopupRemoveArea", "删除测位(&R)", "删除测位", act_remove_area);
    PopupItem(*PopupMenu_AreaData, "PopupCreateRandomArea", "新建随机测位", nullptr, act_create_random_area);
}

} // namespace rebound
