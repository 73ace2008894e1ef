#pragma once
// Debug trace lines: a printf-style message of at most 2047 characters on the
// logging category "rebound.trace", which is off unless enabled, e.g. with
// QT_LOGGING_RULES="rebound.trace.debug=true".

#include <QLoggingCategory>

namespace rebound {

Q_DECLARE_LOGGING_CATEGORY(lcTrace)

void trace(const char *format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;

} // namespace rebound
