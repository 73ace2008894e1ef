#pragma once
// Mortar strength of a test position and of a test zone. Every result is a
// 32-bit float; running sums are rounded to float after every addition and
// powers and products are formed in double precision.

#include "model/rebound_file.h"

#include <array>
#include <cstdint>
#include <string>

namespace rebound {

float CarbonationDepth(std::uint8_t code);
// "0.0", "0.50" … "3.00", "> 3.0"
std::string CarbonationText(std::uint8_t code);
float AverageRebound(const std::array<std::uint8_t, 12> &readings);
float StrengthFromRebound(float rebound, float depth);
void ComputeAreaStrength(AreaData &area);
// Precondition: at least one position (a zone without positions is refused
// before any computation starts).
void ComputeComponentStrength(ComponentInfo &zone);

} // namespace rebound
