#pragma once
// The core never asks the operating system for the clock or the locale.
// The application supplies today's date text through this interface.

#include "model/tansy_string.h"

namespace rebound {

class DateProvider {
public:
    virtual ~DateProvider() = default;
    // Today's date as the locale's short date text, in code-page bytes.
    virtual TansyString Today() const = 0;
};

// Always answers the same text: for tests and for callers that pin a date.
class FixedDateProvider final : public DateProvider {
public:
    explicit FixedDateProvider(TansyString today) : today_(std::move(today)) {}
    TansyString Today() const override { return today_; }

private:
    TansyString today_;
};

} // namespace rebound
