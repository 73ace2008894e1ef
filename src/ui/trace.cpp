#include "trace.h"

#include <cstdarg>
#include <cstdio>

namespace rebound {

Q_LOGGING_CATEGORY(lcTrace, "rebound.trace", QtInfoMsg)

void trace(const char *format, ...)
{
    if (!lcTrace().isDebugEnabled())
        return;
    char buffer[2048];
    va_list args;
    va_start(args, format);
    std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    qCDebug(lcTrace).noquote() << QString::fromUtf8(buffer);
}

} // namespace rebound
