#include "platform/InstanceRequests.h"

#include "platform/SingleInstance.h"

#include <QCoreApplication>
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
#include <cstddef>
#include <cstring>
#include <optional>

namespace {

// A request ends with a NUL, which no path holds; its answer is this byte.
constexpr char kEnd = '\0';
constexpr char kTaken = '\1';
constexpr qsizetype kLongestRequest = 64 * 1024;
constexpr int kRetryMs = 100;
constexpr int kBacklog = 8;

struct TAddress {
    sockaddr_un Address{};
    socklen_t Size = 0;
};

// A file name, or with a leading NUL a name in the abstract namespace;
// nullopt when it does not fit.
std::optional<TAddress> AddressOf(const QByteArray& name, bool abstract) {
    TAddress result;
    result.Address.sun_family = AF_UNIX;
    const size_t offset = abstract ? 1 : 0;
    if (offset + size_t(name.size()) >= sizeof(result.Address.sun_path))
        return std::nullopt;
    std::memcpy(result.Address.sun_path + offset, name.constData(), name.size());
    // A path with its NUL; an abstract name with its leading one.
    result.Size = socklen_t(offsetof(sockaddr_un, sun_path) + name.size() + 1);
    return result;
}

QByteArray FilePath(const QString& name) {
    return QFile::encodeName(SingleInstanceSocketPath(name));
}

// Per user, as the lock is; abstract names are shared by all users.
QByteArray AbstractName(const QString& name) {
    return QFile::encodeName(name) + '-' + QByteArray::number(::getuid()) + ".socket";
}

// Only a socket of this user: in /tmp another user could have put one there.
bool OwnSocket(const QByteArray& path) {
    struct stat info;
    return ::lstat(path.constData(), &info) == 0 && S_ISSOCK(info.st_mode) &&
           info.st_uid == ::getuid();
}

bool PeerIsThisUser(int fd) {
    ucred peer{};
    socklen_t size = sizeof(peer);
    return ::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 && peer.uid == ::getuid();
}

int Connect(const std::optional<TAddress>& address) {
    if (!address)
        return -1;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd >= 0 &&
        ::connect(fd, reinterpret_cast<const sockaddr*>(&address->Address), address->Size) == 0 &&
        PeerIsThisUser(fd))
        return fd;
    if (fd >= 0)
        ::close(fd);
    return -1;
}

int ConnectToInstance(const QString& name) {
    const QByteArray path = FilePath(name);
    const int fd = OwnSocket(path) ? Connect(AddressOf(path, false)) : -1;
    return fd >= 0 ? fd : Connect(AddressOf(AbstractName(name), true));
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

// A listening socket at the address; the system's reason when it can't be had.
int Listen(const TAddress& address, QString& problem) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        problem = QString::fromLocal8Bit(std::strerror(errno));
        return -1;
    }
    // In /tmp the socket must be this user's alone; nothing else runs yet.
    const mode_t kept = ::umask(077);
    const bool bound =
        ::bind(fd, reinterpret_cast<const sockaddr*>(&address.Address), address.Size) == 0;
    ::umask(kept);
    if (bound && ::listen(fd, kBacklog) == 0)
        return fd;
    problem = QString::fromLocal8Bit(std::strerror(errno));
    ::close(fd);
    return -1;
}

} // namespace

bool SendToRunningInstance(const QString& name, const QString& request, int timeoutMs) {
    QElapsedTimer waited;
    waited.start();
    int fd;
    while ((fd = ConnectToInstance(name)) < 0) {
        if (waited.elapsed() > timeoutMs)
            return false;
        ::usleep(kRetryMs * 1000);
    }
    const bool taken = WriteAll(fd, request.toUtf8() + kEnd) &&
                       Answered(fd, int(std::max<qint64>(0, timeoutMs - waited.elapsed())));
    ::close(fd);
    return taken;
}

TListening ListenForLaterStarts(const QString& name) {
    const QByteArray path = FilePath(name);
    if (OwnSocket(path))
        ::unlink(path.constData()); // left by an instance that was killed
    QString fileProblem =
        QCoreApplication::translate("InstanceRequests", "the name is too long for a socket");
    if (const auto address = AddressOf(path, false)) {
        if (const int fd = Listen(*address, fileProblem); fd >= 0)
            return {fd, {}};
    }
    QString abstractProblem;
    if (const int fd = Listen(*AddressOf(AbstractName(name), true), abstractProblem); fd >= 0)
        return {fd, {}};
    return {-1, QCoreApplication::translate("InstanceRequests",
                                            "later starts can't reach this player: %1: %2; @%3: %4")
                    .arg(QFile::decodeName(path), fileProblem,
                         QFile::decodeName(AbstractName(name)), abstractProblem)};
}

TInstanceRequests::TInstanceRequests(int listening, QObject* parent)
    : QObject(parent), Server(new QLocalServer(this)) {
    connect(Server, &QLocalServer::newConnection, this, &TInstanceRequests::Accept);
    if (listening >= 0)
        Server->listen(listening);
}

void TInstanceRequests::Accept() {
    while (QLocalSocket* socket = Server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        if (!PeerIsThisUser(int(socket->socketDescriptor()))) {
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
    QMetaObject::invokeMethod(
        this, [this, request] { emit Requested(request); }, Qt::QueuedConnection);
}
