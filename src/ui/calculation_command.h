#pragma once
// The calculation: every position, every zone, then the unit.

namespace rebound {

class MainWindow;

class CalculationCommand {
public:
    explicit CalculationCommand(MainWindow &window) : window_(window) {}

    void act_single_caculateExecute();

private:
    MainWindow &window_;
};

} // namespace rebound
