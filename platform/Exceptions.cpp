#include "platform/Exceptions.h"

#include <cerrno>

namespace {

std::string TextOfError(int errorCode) {
    switch (errorCode) {
    case ENOENT:
    case ENOTDIR:
        return "File not found";
    case EACCES:
    case EPERM:
    case EISDIR:
    case EROFS:
        return "File access denied";
    case ENOSPC:
    case EDQUOT:
        return "Disk full";
    default:
        return "I/O error " + std::to_string(errorCode);
    }
}

} // namespace

Exception::~Exception() = default;

EInOutError::EInOutError(int errorCode) : EInOutError(errorCode, TextOfError(errorCode)) {}

EInOutError::~EInOutError() = default;

EInOutError::EInOutError(int errorCode, const std::string& message)
    : Exception(message), Code(errorCode) {}

// A file shorter than its size promised is not a system error: code 0.
EInOutError EInOutError::ReadBeyondEnd() {
    return EInOutError(0, "Read beyond end of file");
}

EInOutError EInOutError::Naming(const std::string& failed, int errorCode) {
    return EInOutError(errorCode, failed + ": " + TextOfError(errorCode));
}

void RunEach(std::initializer_list<std::function<void()>> steps) {
    std::exception_ptr first;
    for (const auto& step : steps) {
        try {
            step();
        } catch (...) {
            if (!first)
                first = std::current_exception();
        }
    }
    if (first)
        std::rethrow_exception(first);
}
