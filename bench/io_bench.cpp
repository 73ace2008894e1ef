// Reading and writing files: the project file against a plain read and write
// of the same bytes, and instrument files.
#include "io/atomic_file.h"
#include "io/binary_io.h"
#include "large_project.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <unistd.h>

using namespace rebound;
namespace fs = std::filesystem;

namespace {

const FixedDateProvider kToday("2026/12/11");

fs::path ScratchDir()
{
    static const fs::path dir = [] {
        fs::path d = fs::temp_directory_path() / ("rebound-bench-" + std::to_string(::getpid()));
        fs::create_directories(d);
        return d;
    }();
    return dir;
}

const std::string &LargeProjectFile()
{
    static const std::string path = [] {
        ReboundFile project(kToday);
        bench::FillLargeProject(project, 5000, 10);
        const std::string p = (ScratchDir() / "large.prj").string();
        if (!project.Save(p))
            std::abort();
        return p;
    }();
    return path;
}

void SetBytes(benchmark::State &state, const std::string &path)
{
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(fs::file_size(path)) * 2);
}

// The reference: the same bytes read whole and written back the same safe
// way (temporary file, flush to disk, rename).
void BM_PlainReadWrite(benchmark::State &state)
{
    const std::string &path = LargeProjectFile();
    const std::string out = (ScratchDir() / "plain.prj").string();
    for (auto _ : state) {
        std::string bytes;
        if (!ReadWholeFile(path, bytes) || !WriteFileAtomically(out, bytes))
            state.SkipWithError("plain read/write failed");
        benchmark::DoNotOptimize(bytes.data());
    }
    SetBytes(state, path);
}
BENCHMARK(BM_PlainReadWrite)->Unit(benchmark::kMillisecond);

void BM_ProjectLoadSave(benchmark::State &state)
{
    const std::string &path = LargeProjectFile();
    const std::string out = (ScratchDir() / "saved.prj").string();
    ReboundFile project(kToday);
    for (auto _ : state) {
        if (!project.Load(path) || !project.Save(out))
            state.SkipWithError("load/save failed");
    }
    SetBytes(state, path);
}
BENCHMARK(BM_ProjectLoadSave)->Unit(benchmark::kMillisecond);

// Parsing and serialising alone, without the file system.
void BM_ProjectParseSerialise(benchmark::State &state)
{
    std::string bytes;
    if (!ReadWholeFile(LargeProjectFile(), bytes))
        std::abort();
    for (auto _ : state) {
        ReboundFile project(kToday);
        BinaryReader in(bytes);
        if (!project.ReadFrom(in))
            state.SkipWithError("parse failed");
        BinaryWriter out;
        project.WriteTo(out);
        benchmark::DoNotOptimize(out.data().data());
    }
}
BENCHMARK(BM_ProjectParseSerialise)->Unit(benchmark::kMillisecond);

void BM_ReadInstrumentFiles(benchmark::State &state)
{
    const fs::path dir = ScratchDir() / "instrument";
    fs::create_directories(dir);
    std::vector<std::string> paths;
    for (int i = 0; i < 1000; ++i) {
        std::string bytes(84 + 10 * 24, '\0');
        bytes.replace(0, 2, "A1");
        bytes[60] = 10;
        for (int p = 0; p < 10; ++p)
            for (int r = 0; r < 12; ++r)
                bytes[84 + 24 * p + r] = static_cast<char>(20 + (i + p + r) % 30);
        paths.push_back((dir / ("zone" + std::to_string(i) + ".kst")).string());
        std::ofstream(paths.back(), std::ios::binary) << bytes;
    }
    for (auto _ : state) {
        for (const std::string &path : paths) {
            std::string bytes;
            ComponentInfo zone(kToday);
            if (!ReadWholeFile(path, bytes))
                state.SkipWithError("read failed");
            BinaryReader in(bytes);
            if (!zone.ReadDeviceRecord(in))
                state.SkipWithError("instrument file refused");
            benchmark::DoNotOptimize(zone.mean_strength);
        }
    }
    state.counters["per_file"] =
        benchmark::Counter(1000, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_ReadInstrumentFiles)->Unit(benchmark::kMillisecond);

} // namespace
