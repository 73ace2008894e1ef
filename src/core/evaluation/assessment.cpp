#include "evaluation/assessment.h"

#include "evaluation/strength.h"

#include <algorithm>
#include <cmath>

namespace rebound {

RecalcOutcome CheckRecalculation(const ReboundFile &project)
{
    RecalcOutcome outcome;
    if (project.ComponentCount() < kMinimumZones) {
        outcome.status = RecalcStatus::TooFewZones;
        return outcome;
    }
    for (std::size_t i = 0; i < project.ComponentCount(); ++i) {
        if (project.GetComponent(i)->AreaCount() == 0)
            outcome.empty_zones.push_back(i + 1);
    }
    if (!outcome.empty_zones.empty())
        outcome.status = RecalcStatus::ZonesWithoutPositions;
    return outcome;
}

RecalcOutcome RecalculateProject(ReboundFile &project)
{
    RecalcOutcome outcome = CheckRecalculation(project);
    if (!outcome.ok())
        return outcome;
    for (std::size_t i = 0; i < project.ComponentCount(); ++i)
        ComputeComponentStrength(*project.GetComponent(i));
    AssessUnit(project);
    return outcome;
}

std::string RecalcMessage(const RecalcOutcome &outcome)
{
    switch (outcome.status) {
    case RecalcStatus::Done:
        return {};
    case RecalcStatus::TooFewZones:
        return "不能计算，测区数应该至少2个！";
    case RecalcStatus::ZonesWithoutPositions: {
        std::string numbers;
        for (std::size_t n : outcome.empty_zones) {
            if (!numbers.empty())
                numbers += "、";
            numbers += std::to_string(n);
        }
        return "不能计算，以下测区没有测位：" + numbers;
    }
    }
    return {};
}

void AssessUnit(ReboundFile &project)
{
    const std::size_t n = project.ComponentCount();
    float sum = 0.0f;
    float minimum = project.GetComponent(0)->mean_strength;
    for (std::size_t i = 0; i < n; ++i) {
        const float z = project.GetComponent(i)->mean_strength;
        sum = sum + z;
        if (z < minimum)
            minimum = z;
    }
    const float mean = sum / static_cast<float>(n);

    float squares = 0.0f;
    for (std::size_t i = 0; i < n; ++i) {
        const double deviation = static_cast<double>(mean) - static_cast<double>(project.GetComponent(i)->mean_strength);
        squares = static_cast<float>(static_cast<double>(squares) + deviation * deviation);
    }
    const float std_dev = static_cast<float>(std::sqrt(static_cast<double>(squares) / static_cast<double>(n - 1)));
    // Every zone strength 0 gives a mean of 0: the coefficient is then 0,
    // not the 0 ÷ 0 the formula would give.
    const float coefficient = mean == 0.0f ? 0.0f : std_dev / mean;

    double assessed;
    if (n < kZonesForFormulas) {
        assessed = minimum;
    } else if (project.project_class == 0) {
        assessed = std::min(0.91 * static_cast<double>(mean), 1.18 * static_cast<double>(minimum));
    } else {
        assessed = std::min(static_cast<double>(mean), 1.33 * static_cast<double>(minimum));
    }

    project.zone_strength_mean = mean;
    project.zone_strength_min = minimum;
    project.strength_std_dev = std_dev;
    project.variation_coefficient = coefficient;
    project.assessed_strength = static_cast<float>(assessed);
}

const char *HomogeneityRating(float coefficient)
{
    if (!(coefficient > 0.25f))
        return "较好";
    if (!(static_cast<double>(coefficient) > 0.4))
        return "一般";
    return "差";
}

} // namespace rebound
