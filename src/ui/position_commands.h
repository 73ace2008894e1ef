#pragma once
// New position, Delete position and New random position, on the current
// zone.

#include "evaluation/random_readings.h"

namespace rebound {

class MainWindow;

class PositionCommands {
public:
    explicit PositionCommands(MainWindow &window) : window_(window) {}

    void act_create_areaExecute();
    void act_remove_areaExecute();
    // Shows the seed dialog, then appends one position whose readings are
    // drawn from its range.
    void act_create_random_areaExecute();

private:
    // Shows the changed zone again: grid, count, list, and the same row.
    void showChangedZone(int row);

    MainWindow &window_;
    // The program's one generator: never seeded, so every run draws the
    // same sequence.
    RandomGenerator generator_;
};

} // namespace rebound
