#pragma once
// Requests from a later start to the instance that runs: a per-user local
// socket beside the single-instance lock, which needs no session bus. A
// request is one text; the instance answers once it has read it, before it
// acts on it.

#include <QObject>
#include <QString>

class QLocalServer;
class QLocalSocket;

// How long a later start waits for the running instance, from its first try
// to connect to the answer. The instance listens from the moment it holds the
// lock, before it even connects to the display, and answers from its event
// loop, which nothing blocks for long; so an answer takes well under a second
// even on a loaded machine, while it starts or loads a disc. An instance that
// has not answered by then is stopped or hung, and the user hears so.
constexpr int kInstanceAnswerMs = 5000;

// True when the instance that holds the lock for name took the request
// within the time given.
bool SendToRunningInstance(const QString& name, const QString& request,
                           int timeoutMs = kInstanceAnswerMs);

// A listening socket for the instance that holds the lock: beside the lock,
// else (a path too long for a socket, or another user's file in its place in
// /tmp) a name in the abstract namespace, which has no file to take.
struct TListening {
    int Descriptor = -1; // -1 when neither name could be had
    QString Problem;     // then why, for the user
};
TListening ListenForLaterStarts(const QString& name);

// Reads the requests of later starts from the listening socket while it
// lives. Taken as soon as the lock is held, so that a later start that asks
// while this one is still starting is queued, not refused.
class TInstanceRequests : public QObject {
    Q_OBJECT
public:
    TInstanceRequests(int listening, QObject* parent);

signals:
    // Queued: the answer has gone out before anything is done about it.
    void Requested(const QString& request);

private:
    void Accept();
    void Read(QLocalSocket* socket);
    QLocalServer* Server = nullptr;
};
