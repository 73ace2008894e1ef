#include "app_windows.h"

namespace rebound {

AppWindows::AppWindows(const LocaleDates &dates, Prompter &prompter, Rebound_Tester_Config &config)
    : main(dates, prompter, config), about(&main), seed(prompter, &main)
{
    main.attachDialogs(&about, &seed);
}

} // namespace rebound
