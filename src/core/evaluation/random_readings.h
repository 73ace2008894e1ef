#pragma once
// The program's one random generator (a 32-bit linear congruential
// generator, state 0 at start and never seeded, so every run draws the same
// sequence) and the rule that turns draws into rebound readings.

#include "model/rebound_file.h"

#include <cstdint>
#include <string_view>

namespace rebound {

class RandomGenerator {
public:
    // A number from 0 to range − 1; advances the state once.
    std::uint32_t RandomDraw(std::uint32_t range);
    std::uint32_t state() const { return state_; }

private:
    std::uint32_t state_ = 0;
};

struct ReadingRange {
    std::uint8_t low = 50;
    std::uint8_t span = 10;
};

// A default position whose twelve readings are low + (span × k) ÷ 100 for
// twelve draws k of RandomDraw(100), in integers.
AreaData MakeRandomArea(RandomGenerator &generator, ReadingRange range);

// The seed dialog's rule: both texts must be whole numbers; each is cut to
// its low 8 bits and the two ends are put in order. False (range untouched)
// when either text is not a whole number.
bool ParseReadingRange(std::string_view first, std::string_view second, ReadingRange &range);

// A whole number as a person types it (blanks around it allowed, optional
// sign, decimal digits, within 32 bits). False for anything else.
bool ParseWholeNumber(std::string_view text, long long &value);

} // namespace rebound
