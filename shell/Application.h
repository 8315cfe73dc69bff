#pragma once

#include <QApplication>

#include <functional>

// The application: errors raised inside any event are shown to the user in a
// message box, and the program goes on.
class TApplication : public QApplication {
public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override;
    // Ends the message loop once the event being handled is done, after the
    // message about any failure in it has been dismissed. Unlike quit(), it
    // does not ask the windows, which may refuse their close.
    void EndProgram() { EndRequested = true; }
    // Shows an error text as the default handler does.
    void Report(const QString& text);

private:
    bool EndRequested = false;
    bool Reporting = false;
};

// Where the application's error texts go; empty restores the message box.
using TExceptionReporter = std::function<void(const QString& text)>;
void SetExceptionReporter(TExceptionReporter reporter);

// For a failure that must be caught on its way (to answer a caller first):
// the text of the exception being handled, and showing it as the default
// handler would.
QString CurrentExceptionText();
void ReportError(const QString& text);

// Runs the program: its command line, the single-instance rule, the four
// windows, the message loop. Returns the exit status.
int RunQuorvixPlayer(int argc, char* argv[]);

// The four windows in their order of creation, showing the three that are
// visible from the start, and their destruction.
void CreateForms();
void ShowForms();
void DestroyForms();
// The bar (shown again if it was hidden) and the video window come to the front.
void BringFormsForward();
