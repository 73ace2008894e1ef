#pragma once
// The program's windows, each created once, in start-up order: the main
// window first (it becomes the application's main window), then the About
// box and the random seed dialog. The print preview window and the report
// settings dialog join them with the reports.

#include "about_box.h"
#include "main_window.h"
#include "random_seed_dialog.h"

namespace rebound {

class AppWindows {
public:
    AppWindows(const LocaleDates &dates, Prompter &prompter, Rebound_Tester_Config &config);

    MainWindow main;
    AboutBox about;
    RandomSeedDialog seed;
};

} // namespace rebound
