// Any bytes as the report configuration file. The reader works on a file on
// disk, so each input is written to Config.ini in a private directory.
#include "config/report_config.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

std::string PrivateDirectory()
{
    char pattern[] = "/tmp/config-fuzz-XXXXXX";
    const char *dir = mkdtemp(pattern);
    if (!dir)
        std::abort();
    std::filesystem::create_directory(std::string(dir) + "/Setting");
    return dir;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const std::string dir = PrivateDirectory();
    rebound::Rebound_Tester_Config config;
    config.SetBaseDir(dir);
    {
        std::ofstream file(config.ini_path, std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char *>(data), static_cast<std::streamsize>(size));
    }
    (void)config.ReadConfig();
    return 0;
}
