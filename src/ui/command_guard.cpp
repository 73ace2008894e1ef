#include "command_guard.h"

#include <new>
#include <stdexcept>

namespace rebound {

QString FailureText(std::exception_ptr failure)
{
    try {
        std::rethrow_exception(failure);
    } catch (const std::bad_alloc &) {
        return QStringLiteral("内存不足，操作未能完成。");
    } catch (const std::exception &e) {
        return QStringLiteral("操作未能完成：") + QString::fromUtf8(e.what());
    } catch (...) {
        return QStringLiteral("操作未能完成：未知错误。");
    }
}

void ReportFailure(Prompter &prompter, std::exception_ptr failure) noexcept
{
    try {
        prompter.inform(FailureText(failure));
    } catch (...) {
    }
}

} // namespace rebound
