#pragma once
// Requests from a later start to the instance that runs: a per-user local
// socket beside the single-instance lock, which needs no session bus. A
// request is one text; the instance answers once it has taken it.

#include <QObject>
#include <QString>

class QLocalServer;
class QLocalSocket;

// True when the instance that holds the lock for name took the request
// within the time given (it may still be starting).
bool SendToRunningInstance(const QString& name, const QString& request, int timeoutMs);

// Listens for the requests of later starts while it lives; only the
// instance that holds the lock may create it.
class TInstanceRequests : public QObject {
    Q_OBJECT
public:
    TInstanceRequests(const QString& name, QObject* parent);

signals:
    void Requested(const QString& request);

private:
    void Accept();
    void Read(QLocalSocket* socket);
    QLocalServer* Server = nullptr;
};
