// Any bytes as an instrument data file.
#include "io/binary_io.h"
#include "model/rebound_file.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const rebound::FixedDateProvider today("2026/12/11");
    rebound::ComponentInfo zone(today);
    rebound::BinaryReader in(std::string_view(reinterpret_cast<const char *>(data), size));
    (void)zone.ReadDeviceRecord(in);
    return 0;
}
