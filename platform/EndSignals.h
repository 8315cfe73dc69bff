#pragma once
// The signals that end a session (a logout or shutdown: SIGTERM; a closed
// terminal: SIGHUP; Ctrl+C: SIGINT) delivered through the event loop, where
// the program can end in order. The handler only writes a byte to a pipe,
// the one safe thing to do inside it; a socket notifier reads the pipe.

#include <QObject>

class QSocketNotifier;

class TEndSignals : public QObject {
    Q_OBJECT
public:
    // Takes the signals until destroyed; one object at a time.
    explicit TEndSignals(QObject* parent = nullptr);
    ~TEndSignals() override; // gives the signals back to their former handlers

signals:
    // Once, for the first signal: the program is ending already when more come,
    // and they must not cut its saves short.
    void Received(int signal);

private:
    void Read();
    QSocketNotifier* Notifier = nullptr;
    bool Ending = false;
};
