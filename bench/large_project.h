#pragma once
// A large, realistic project for the benchmarks: zones × positions with
// varied readings and carbonation codes, made the same way on every run.

#include "evaluation/random_readings.h"
#include "model/rebound_file.h"

#include <string>

namespace rebound::bench {

inline void FillLargeProject(ReboundFile &project, int zones, int positions)
{
    project.Reset();
    project.project_name = Utf8ToGbk("大型砌体工程基准").bytes;
    RandomGenerator generator;
    for (int z = 0; z < zones; ++z) {
        ComponentInfo zone = project.NewComponent();
        zone.component_name = Utf8ToGbk("测区" + std::to_string(z + 1)).bytes;
        for (int p = 0; p < positions; ++p) {
            AreaData area = MakeRandomArea(generator, ReadingRange{20, 30});
            area.carbonation_code = static_cast<std::uint8_t>((z + p) % 8);
            zone.AddArea(area);
        }
        project.AddComponent(zone);
    }
}

} // namespace rebound::bench
