#include "app_windows.h"

namespace rebound {

AppWindows::AppWindows(const LocaleDates &dates, Prompter &prompter, Rebound_Tester_Config &config)
    : main(dates, prompter, config), about(&main),
      preview(main.project(), config, main.tagGridReportFieldPtr(), prompter, &main), seed(prompter, &main),
      settings(config, prompter, &main)
{
    main.attachDialogs(&about, &seed);
    main.attachReportWindows(&preview, &settings);
}

} // namespace rebound
