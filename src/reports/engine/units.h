#pragma once

// Page geometry is laid out in twips (1/20 point, 1/1440 inch). Font sizes
// in half points and tenths of a millimetre are whole numbers of them, so the
// report font can be set as a pixel size in these units and every device
// (screen, printer, PDF) gets the same line breaks by scaling the painter.
namespace rebound::report {

inline constexpr double kUnitsPerPoint = 20.0;
inline constexpr double kUnitsPerInch = 1440.0;
inline constexpr double kUnitsPerMm = kUnitsPerInch / 25.4;

constexpr double MmToUnits(double mm) { return mm * kUnitsPerMm; }
constexpr double PointsToUnits(double pt) { return pt * kUnitsPerPoint; }
constexpr double UnitsToMm(double units) { return units / kUnitsPerMm; }

}  // namespace rebound::report
