#pragma once
// Statistics and assessed mortar strength of the inspection unit (the whole
// project), and the homogeneity rating of a coefficient of variation.

#include "model/rebound_file.h"

#include <cstddef>
#include <string>
#include <vector>

namespace rebound {

inline constexpr std::size_t kMinimumZones = 2;
inline constexpr std::size_t kZonesForFormulas = 6;

enum class RecalcStatus {
    Done,
    TooFewZones,           // fewer than two zones: nothing computed
    ZonesWithoutPositions, // some zone has no position: nothing computed
};

struct RecalcOutcome {
    RecalcStatus status = RecalcStatus::Done;
    std::vector<std::size_t> empty_zones; // zone numbers counted from 1
    bool ok() const { return status == RecalcStatus::Done; }
};

// The checks the calculation makes before it changes anything.
RecalcOutcome CheckRecalculation(const ReboundFile &project);
// Recomputes every position, every zone and then the unit. Refuses (and
// changes nothing) when CheckRecalculation does.
RecalcOutcome RecalculateProject(ReboundFile &project);
// The user's message for a refusal (UTF-8); empty when done.
std::string RecalcMessage(const RecalcOutcome &outcome);

// Precondition: at least two zones.
void AssessUnit(ReboundFile &project);
// "较好", "一般" or "差" (UTF-8)
const char *HomogeneityRating(float coefficient);

} // namespace rebound
