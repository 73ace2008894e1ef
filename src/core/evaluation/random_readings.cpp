#include "evaluation/random_readings.h"

#include <charconv>
#include <limits>

namespace rebound {

std::uint32_t RandomGenerator::RandomDraw(std::uint32_t range)
{
    state_ = state_ * 134775813u + 1u;
    return static_cast<std::uint32_t>((static_cast<std::uint64_t>(state_) * range) >> 32);
}

AreaData MakeRandomArea(RandomGenerator &generator, ReadingRange range)
{
    AreaData area;
    for (auto &reading : area.readings) {
        const unsigned k = generator.RandomDraw(100);
        reading = static_cast<std::uint8_t>(range.low + (range.span * k) / 100u);
    }
    return area;
}

bool ParseWholeNumber(std::string_view text, long long &value)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    if (text.empty())
        return false;
    long long parsed = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), parsed);
    if (error != std::errc() || end != text.data() + text.size())
        return false;
    if (parsed < std::numeric_limits<std::int32_t>::min() || parsed > std::numeric_limits<std::int32_t>::max())
        return false;
    value = parsed;
    return true;
}

bool ParseReadingRange(std::string_view first, std::string_view second, ReadingRange &range)
{
    long long a_value = 0;
    long long b_value = 0;
    if (!ParseWholeNumber(first, a_value) || !ParseWholeNumber(second, b_value))
        return false;
    const auto a = static_cast<std::uint8_t>(static_cast<std::uint32_t>(a_value) & 0xFFu);
    const auto b = static_cast<std::uint8_t>(static_cast<std::uint32_t>(b_value) & 0xFFu);
    if (a <= b) {
        range.low = a;
        range.span = static_cast<std::uint8_t>(b - a);
    } else {
        range.low = b;
        range.span = static_cast<std::uint8_t>(a - b);
    }
    return true;
}

} // namespace rebound
