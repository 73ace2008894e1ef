#pragma once
// The project as rows of labelled values, in the program's own decimals:
// one description serves the spreadsheet and the CSV writers.

#include "model/rebound_file.h"

#include <string>
#include <vector>

namespace rebound::exporting {

// A cell: text, or a number shown with `decimals` places.
struct Cell {
    std::string text; // UTF-8; used when !is_number
    double number = 0.0;
    int decimals = 0;
    bool is_number = false;

    static Cell Text(std::string value) { return Cell{std::move(value), 0.0, 0, false}; }
    static Cell Number(double value, int decimals) { return Cell{{}, value, decimals, true}; }
    // The number as the program shows it ("%.Nf").
    std::string Formatted() const;
};

using Row = std::vector<Cell>;

// Label/value rows: the project header and the unit results.
std::vector<Row> ProjectRows(const ReboundFile &project);
// Column titles and one row per zone: number, name, positions, date, strength.
Row ZoneHeader();
std::vector<Row> ZoneRows(const ReboundFile &project);
// Column titles and one row per position: zone, position, twelve readings,
// carbonation, average rebound, strength, zone strength.
Row PositionHeader();
std::vector<Row> PositionRows(const ReboundFile &project);

} // namespace rebound::exporting
