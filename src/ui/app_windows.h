#pragma once
// The program's windows, each created once, in start-up order: the main
// window first (it becomes the application's main window), the About box,
// the print preview window, the random seed dialog and the report settings
// dialog.

#include "about_box.h"
#include "main_window.h"
#include "random_seed_dialog.h"
#include "report_print_preview.h"
#include "report_setting_form.h"

namespace rebound {

class AppWindows {
public:
    AppWindows(const LocaleDates &dates, Prompter &prompter, Rebound_Tester_Config &config);

    MainWindow main;
    AboutBox about;
    TReport_Print_Preview preview;
    RandomSeedDialog seed;
    TReport_Setting_Form settings;
};

} // namespace rebound
