#pragma once
// New zone and Delete zone.

namespace rebound {

class MainWindow;

class ZoneCommands {
public:
    explicit ZoneCommands(MainWindow &window) : window_(window) {}

    // Appends a default zone holding one default position and selects it.
    void act_create_componentExecute();
    // Removes the zone of the list's selected row (no question) and selects
    // the first row that remains.
    void act_remove_componentExecute();

private:
    MainWindow &window_;
};

} // namespace rebound
