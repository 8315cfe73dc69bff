#pragma once
// Failures travel as exceptions to the application's default handler, which
// shows their text in a message box.

#include <QString>

#include <functional>
#include <initializer_list>
#include <stdexcept>
#include <string>

// The destructors are defined in the library, so that its type information
// is one and the same in the library and in every program that links it.
class Exception : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
    ~Exception() override;
};

// Input/output failure carrying the system's texts: "File not found",
// "File access denied", "Read beyond end of file", "Disk full", "I/O error %d".
class EInOutError : public Exception {
public:
    explicit EInOutError(int errorCode);
    ~EInOutError() override;
    static EInOutError ReadBeyondEnd();
    // The system's text after what failed: "Cannot read a.ini: Disk full".
    static EInOutError Naming(const std::string& failed, int errorCode);
    int ErrorCode() const { return Code; }

private:
    EInOutError(int errorCode, const std::string& message);
    int Code;
};

// Runs every step, also those after one that fails, then passes the first
// failure on: one failure is shown, and whatever else can be done is done.
void RunEach(std::initializer_list<std::function<void()>> steps);

// Runs the body and then the cleanup, also when the body throws.
template <typename Body, typename Cleanup> void Finally(Body body, Cleanup cleanup) {
    try {
        body();
    } catch (...) {
        cleanup();
        throw;
    }
    cleanup();
}

// Where the text of a failure goes. The application shows it in a message box
// while it runs (its default); a test or the end of a session puts it
// elsewhere. Empty restores the default. With neither, it is printed.
using TExceptionReporter = std::function<void(const QString& text)>;
void SetExceptionReporter(TExceptionReporter reporter);
void SetDefaultExceptionReporter(TExceptionReporter reporter);

// For a failure that must be caught on its way (to answer a caller first):
// the text of the exception being handled, and showing it as the default
// handler would.
QString CurrentExceptionText();
void ReportError(const QString& text);
