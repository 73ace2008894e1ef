// save(load(x)) is a fixed point: whatever a file holds, once the program has
// read it, writing, reading and writing again gives the same bytes.
#include "io/binary_io.h"
#include "model/rebound_file.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

const rebound::FixedDateProvider today("2026/12/11");

bool LoadFrom(std::string_view bytes, rebound::ReboundFile &project)
{
    rebound::BinaryReader in(bytes);
    return project.ReadFrom(in).ok;
}

std::string SaveOf(const rebound::ReboundFile &project)
{
    rebound::BinaryWriter out;
    project.WriteTo(out);
    return out.data();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    rebound::ReboundFile first(today);
    if (!LoadFrom(std::string_view(reinterpret_cast<const char *>(data), size), first))
        return 0;
    const std::string saved = SaveOf(first);
    rebound::ReboundFile second(today);
    if (!LoadFrom(saved, second))
        std::abort(); // what we wrote must read back
    if (SaveOf(second) != saved)
        std::abort();
    return 0;
}
