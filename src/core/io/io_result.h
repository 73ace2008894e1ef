#pragma once

#include <string>
#include <utility>

namespace rebound {

// Outcome of a read or write: success, or a message (UTF-8) that says what
// went wrong, naming the file where one is involved.
struct [[nodiscard]] IoResult {
    bool ok = true;
    std::string message;

    static IoResult Success() { return {}; }
    static IoResult Failure(std::string why) { return {false, std::move(why)}; }
    explicit operator bool() const { return ok; }
};

} // namespace rebound
