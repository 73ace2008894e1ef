#pragma once
// Diagnostic lines for whoever wants them: the window routes them to its
// logging category, tests collect them, and by default they go nowhere.

#include <cstddef>
#include <functional>
#include <string_view>

namespace rebound {

using TraceSink = std::function<void(std::string_view)>;

// The longest line handed to a sink, in bytes.
inline constexpr std::size_t kTraceLineLimit = 2047;

// Hands `line` to `sink` when there is one, cut to kTraceLineLimit bytes
// (never inside a UTF-8 sequence).
inline void EmitTrace(const TraceSink &sink, std::string_view line)
{
    if (!sink)
        return;
    if (line.size() > kTraceLineLimit) {
        std::size_t cut = kTraceLineLimit;
        while (cut > 0 && (static_cast<unsigned char>(line[cut]) & 0xC0) == 0x80)
            --cut;
        line = line.substr(0, cut);
    }
    sink(line);
}

} // namespace rebound
