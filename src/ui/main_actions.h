#pragma once
// The main window's commands as actions, with their captions, hints,
// shortcuts and icons, and the menus, tool bar and context menus that
// offer them.

#include <QObject>

class QAction;
class QMainWindow;
class QMenu;
class QToolBar;

namespace rebound {

struct MainActions {
    QAction *FileNew1 = nullptr;
    QAction *FileOpen1 = nullptr;
    QAction *FileSave1 = nullptr;
    QAction *FileSaveAs1 = nullptr;
    QAction *FileExit1 = nullptr;
    QAction *act_print = nullptr;
    QAction *act_print_preview = nullptr;
    QAction *T1 = nullptr;
    QAction *EditCut1 = nullptr;
    QAction *EditCopy1 = nullptr;
    QAction *EditPaste1 = nullptr;
    QAction *act_create_component = nullptr;
    QAction *act_remove_component = nullptr;
    QAction *act_import_component = nullptr;
    QAction *act_export_component = nullptr;
    QAction *act_create_area = nullptr;
    QAction *act_remove_area = nullptr;
    QAction *act_create_random_area = nullptr;
    QAction *act_single_caculate = nullptr;
    QAction *HelpAbout1 = nullptr;

    QToolBar *toolBar = nullptr;
    QMenu *PopupMenu_Component = nullptr;
    QMenu *PopupMenu_AreaData = nullptr;

    // Creates the actions as children of `window` and puts the menu bar and
    // the tool bar on it.
    explicit MainActions(QMainWindow &window);
};

} // namespace rebound
