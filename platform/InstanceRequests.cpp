#include "platform/InstanceRequests.h"

#include "platform/SingleInstance.h"

#include <QElapsedTimer>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>

#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace {

// A request ends with a NUL, which no path holds; its answer is this byte.
constexpr char kEnd = '\0';
constexpr char kTaken = '\1';
constexpr qsizetype kLongestRequest = 64 * 1024;
constexpr int kRetryMs = 100;

// Only a socket of this user: in /tmp another user could have put one there.
bool OwnSocket(const QByteArray& path) {
    struct stat info;
    return ::lstat(path.constData(), &info) == 0 && S_ISSOCK(info.st_mode) &&
           info.st_uid == ::getuid();
}

int Connect(const QByteArray& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (!OwnSocket(path) || size_t(path.size()) >= sizeof(address.sun_path))
        return -1;
    std::memcpy(address.sun_path, path.constData(), path.size());
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd >= 0 && ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0)
        return fd;
    if (fd >= 0)
        ::close(fd);
    return -1;
}

bool WriteAll(int fd, const QByteArray& bytes) {
    qsizetype written = 0;
    while (written < bytes.size()) {
        const ssize_t n =
            ::send(fd, bytes.constData() + written, bytes.size() - written, MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        written += n;
    }
    return true;
}

bool Answered(int fd, int timeoutMs) {
    pollfd waiting{fd, POLLIN, 0};
    char answer = 0;
    return ::poll(&waiting, 1, timeoutMs) == 1 && ::read(fd, &answer, 1) == 1 && answer == kTaken;
}

bool SameUser(const QLocalSocket* socket) {
    ucred peer{};
    socklen_t size = sizeof(peer);
    return ::getsockopt(int(socket->socketDescriptor()), SOL_SOCKET, SO_PEERCRED, &peer, &size) ==
               0 &&
           peer.uid == ::getuid();
}

} // namespace

bool SendToRunningInstance(const QString& name, const QString& request, int timeoutMs) {
    const QByteArray path = QFile::encodeName(SingleInstanceSocketPath(name));
    QElapsedTimer waited;
    waited.start();
    int fd;
    while ((fd = Connect(path)) < 0) {
        if (waited.elapsed() > timeoutMs)
            return false;
        ::usleep(kRetryMs * 1000);
    }
    const bool taken = WriteAll(fd, request.toUtf8() + kEnd) &&
                       Answered(fd, int(std::max<qint64>(0, timeoutMs - waited.elapsed())));
    ::close(fd);
    return taken;
}

TInstanceRequests::TInstanceRequests(const QString& name, QObject* parent)
    : QObject(parent), Server(new QLocalServer(this)) {
    const QString path = SingleInstanceSocketPath(name);
    QLocalServer::removeServer(path); // left by an instance that was killed
    Server->setSocketOptions(QLocalServer::UserAccessOption);
    Server->listen(path); // without it later starts only end, as they always may
    connect(Server, &QLocalServer::newConnection, this, &TInstanceRequests::Accept);
}

void TInstanceRequests::Accept() {
    while (QLocalSocket* socket = Server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        if (!SameUser(socket)) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { Read(socket); });
        Read(socket);
    }
}

void TInstanceRequests::Read(QLocalSocket* socket) {
    const qsizetype end = socket->peek(kLongestRequest).indexOf(kEnd);
    if (end < 0) {
        if (socket->bytesAvailable() >= kLongestRequest)
            socket->abort();
        return;
    }
    const QString request = QString::fromUtf8(socket->read(end + 1).chopped(1));
    socket->write(&kTaken, 1);
    socket->flush();
    socket->disconnectFromServer();
    emit Requested(request);
}
