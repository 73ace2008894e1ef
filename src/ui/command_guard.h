#pragma once
// Runs a command so that nothing it throws escapes into Qt's event loop:
// a failure (running out of memory included) becomes a message and the
// window goes on with the state the command reached.

#include "prompter.h"

#include <exception>
#include <utility>

namespace rebound {

// The user's text for an exception that escaped a command.
QString FailureText(std::exception_ptr failure);

// Shows FailureText through `prompter`; a prompter that fails as well is
// ignored, since there is nobody left to tell.
void ReportFailure(Prompter &prompter, std::exception_ptr failure) noexcept;

template <typename Command>
bool RunGuarded(Prompter &prompter, Command &&command) noexcept
{
    try {
        std::forward<Command>(command)();
        return true;
    } catch (...) {
        ReportFailure(prompter, std::current_exception());
        return false;
    }
}

} // namespace rebound
