#include "evaluation/strength.h"

#include <cmath>
#include <cstdio>

namespace rebound {

float CarbonationDepth(std::uint8_t code)
{
    if (code == 0)
        return 0.0f;
    if (code <= 6)
        return static_cast<float>(code) * 0.5f;
    return 3.0f;
}

std::string CarbonationText(std::uint8_t code)
{
    if (code >= 7)
        return "> 3.0";
    if (code == 0)
        return "0.0";
    char text[16];
    std::snprintf(text, sizeof text, "%.2f", static_cast<double>(code) * 0.5);
    return text;
}

float AverageRebound(const std::array<std::uint8_t, 12> &readings)
{
    std::size_t min_index = 0;
    std::size_t max_index = 0;
    for (std::size_t i = 1; i < readings.size(); ++i) {
        if (readings[i] < readings[min_index])
            min_index = i;
        if (readings[i] > readings[max_index])
            max_index = i;
    }
    unsigned sum = 0;
    unsigned count = 0;
    for (std::size_t i = 0; i < readings.size(); ++i) {
        if (i == min_index || i == max_index)
            continue;
        sum += readings[i];
        ++count;
    }
    // Both operands are exact in float, so the quotient is correctly rounded.
    return static_cast<float>(sum) / static_cast<float>(count);
}

float StrengthFromRebound(float rebound, float depth)
{
    const double r = rebound;
    double f;
    // Written as "not greater than" so that a depth that is not a number
    // takes the first branch.
    if (!(depth > 1.0f))
        f = (std::pow(r, 3.57) * 13.97) * 0.00001;
    else if (depth >= 3.0f)
        f = (std::pow(r, 3.60) * 6.34) * 0.00001;
    else
        f = (std::pow(r, 3.04) * 4.85) * 0.0001;
    return static_cast<float>(f);
}

void ComputeAreaStrength(AreaData &area)
{
    area.avg_rebound = AverageRebound(area.readings);
    area.strength = StrengthFromRebound(area.avg_rebound, CarbonationDepth(area.carbonation_code));
}

void ComputeComponentStrength(ComponentInfo &zone)
{
    float sum = 0.0f;
    for (AreaData &area : zone.areas) {
        ComputeAreaStrength(area);
        sum = sum + area.strength;
    }
    zone.mean_strength = sum / static_cast<float>(zone.areas.size());
}

} // namespace rebound
