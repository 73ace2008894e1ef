#pragma once
// Print, preview and report settings. The reports are not part of this
// window yet; the commands say so.

namespace rebound {

class MainWindow;

class ReportCommands {
public:
    explicit ReportCommands(MainWindow &window) : window_(window) {}

    void act_printExecute();
    void act_print_previewExecute();
    void T1Click();

private:
    void notAvailable();

    MainWindow &window_;
};

} // namespace rebound
