#include "platform/Exceptions.h"

#include <QCoreApplication>

#include <cerrno>
#include <cstdio>
#include <exception>
#include <utility>

namespace {

TExceptionReporter Reporter;
TExceptionReporter DefaultReporter;

std::string Translated(const char* text) {
    return QCoreApplication::translate("Exceptions", text).toStdString();
}

std::string TextOfError(int errorCode) {
    switch (errorCode) {
    case ENOENT:
    case ENOTDIR:
        return Translated(QT_TRANSLATE_NOOP("Exceptions", "File not found"));
    case EACCES:
    case EPERM:
    case EISDIR:
    case EROFS:
        return Translated(QT_TRANSLATE_NOOP("Exceptions", "File access denied"));
    case ENOSPC:
    case EDQUOT:
        return Translated(QT_TRANSLATE_NOOP("Exceptions", "Disk full"));
    default:
        return QCoreApplication::translate("Exceptions", "I/O error %1")
            .arg(errorCode)
            .toStdString();
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
    return EInOutError(0, Translated(QT_TRANSLATE_NOOP("Exceptions", "Read beyond end of file")));
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

void SetExceptionReporter(TExceptionReporter reporter) {
    Reporter = std::move(reporter);
}

void SetDefaultExceptionReporter(TExceptionReporter reporter) {
    DefaultReporter = std::move(reporter);
}

QString CurrentExceptionText() {
    try {
        throw;
    } catch (const std::exception& error) {
        return QString::fromUtf8(error.what());
    } catch (...) {
        return QCoreApplication::translate("Exceptions", "Unknown error");
    }
}

void ReportError(const QString& text) {
    if (Reporter)
        Reporter(text);
    else if (DefaultReporter)
        DefaultReporter(text);
    else
        std::fputs((text + QLatin1Char('\n')).toLocal8Bit().constData(), stderr);
}
