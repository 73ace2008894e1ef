// Any bytes as a project file: the reader must reject or accept them without
// crashing, hanging or allocating beyond the input's size.
#include "io/binary_io.h"
#include "model/rebound_file.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const rebound::FixedDateProvider today("2026/12/11");
    rebound::ReboundFile project(today);
    rebound::BinaryReader in(std::string_view(reinterpret_cast<const char *>(data), size));
    (void)project.ReadFrom(in);
    return 0;
}
