#pragma once

#include <QApplication>

// The application: errors raised inside any event are shown to the user in a
// message box (ReportError), and the program goes on.
class TApplication : public QApplication {
public:
    TApplication(int& argc, char** argv);
    ~TApplication() override;
    bool notify(QObject* receiver, QEvent* event) override;
    // Ends the message loop once the event being handled is done, after the
    // message about any failure in it has been dismissed. Unlike quit(), it
    // does not ask the windows, which may refuse their close.
    void EndProgram() { EndRequested = true; }

private:
    void ShowInMessageBox(const QString& text);

    bool EndRequested = false;
    bool Reporting = false;
};

// Runs the program: its command line, the single-instance rule, the four
// windows, the message loop. Returns the exit status.
int RunQuorvixPlayer(int argc, char* argv[]);
