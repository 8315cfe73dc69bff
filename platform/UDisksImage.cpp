#include "platform/UDisksImage.h"

#include "platform/Exceptions.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusUnixFileDescriptor>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace {

const QString Service = QStringLiteral("org.freedesktop.UDisks2");
const QString ManagerPath = QStringLiteral("/org/freedesktop/UDisks2/Manager");
const QString ManagerInterface = QStringLiteral("org.freedesktop.UDisks2.Manager");
const QString FilesystemInterface = QStringLiteral("org.freedesktop.UDisks2.Filesystem");
const QString LoopInterface = QStringLiteral("org.freedesktop.UDisks2.Loop");

// Long enough for the user to answer an authentication dialog.
constexpr int kAuthorisedCallMs = 120000;
// The loop device's file system shows up once the kernel has probed it.
constexpr int kFilesystemWaitMs = 5000;
constexpr int kFilesystemPollMs = 50;

QDBusMessage Call(const QDBusConnection& bus, const QString& path, const QString& interface,
                  const QString& method, const QVariantList& arguments) {
    QDBusMessage call = QDBusMessage::createMethodCall(Service, path, interface, method);
    call.setArguments(arguments);
    call.setInteractiveAuthorizationAllowed(true);
    return bus.call(call, QDBus::Block, kAuthorisedCallMs);
}

bool Failed(const QDBusMessage& reply) {
    return reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty();
}

bool HasFilesystem(const QDBusConnection& bus, const QString& block) {
    return !Failed(Call(bus, block, QStringLiteral("org.freedesktop.DBus.Properties"),
                        QStringLiteral("Get"),
                        {FilesystemInterface, QStringLiteral("MountPoints")}));
}

class TUDisksImageMount : public TImageMount {
public:
    TUDisksImageMount(const QDBusConnection& bus, const QString& image)
        : TImageMount(image), Bus(bus) {
        SetUpLoop();
        try {
            MountFilesystem();
        } catch (...) {
            DeleteLoop();
            throw;
        }
    }
    ~TUDisksImageMount() override {
        Warn(Call(Bus, Block, FilesystemInterface, QStringLiteral("Unmount"), {QVariantMap()}));
        DeleteLoop();
    }
    QString MountPoint() const override { return Folder; }

private:
    [[noreturn]] void Fail(const QString& why) const {
        throw Exception(QStringLiteral("Cannot mount %1: %2").arg(Image(), why).toStdString());
    }
    void Warn(const QDBusMessage& reply) const {
        if (reply.type() == QDBusMessage::ErrorMessage)
            std::fprintf(stderr, "quorvix-player: %s: %s\n", qPrintable(Image()),
                         qPrintable(reply.errorMessage()));
    }

    // The service gets the image as an open descriptor, so it reads no more
    // than this user may; read-only, since a disc is.
    void SetUpLoop() {
        const int fd = ::open(QFile::encodeName(Image()).constData(), O_RDONLY | O_CLOEXEC);
        if (fd < 0)
            throw EInOutError(errno);
        const QDBusUnixFileDescriptor descriptor(fd); // keeps a copy
        ::close(fd);
        const QDBusMessage reply =
            Call(Bus, ManagerPath, ManagerInterface, QStringLiteral("LoopSetup"),
                 {QVariant::fromValue(descriptor), QVariantMap{{"read-only", true}}});
        if (Failed(reply))
            Fail(reply.errorMessage());
        Block = reply.arguments().first().value<QDBusObjectPath>().path();
    }

    void MountFilesystem() {
        QElapsedTimer waited;
        waited.start();
        while (!HasFilesystem(Bus, Block)) {
            if (waited.elapsed() > kFilesystemWaitMs)
                Fail(QStringLiteral("no file system found on it"));
            QThread::msleep(kFilesystemPollMs);
        }
        const QDBusMessage reply =
            Call(Bus, Block, FilesystemInterface, QStringLiteral("Mount"), {QVariantMap()});
        if (Failed(reply))
            Fail(reply.errorMessage());
        Folder = reply.arguments().first().toString();
    }

    void DeleteLoop() const {
        Warn(Call(Bus, Block, LoopInterface, QStringLiteral("Delete"), {QVariantMap()}));
    }

    QDBusConnection Bus;
    QString Block; // the loop device's object
    QString Folder;
};

} // namespace

std::optional<QDBusConnection> UDisksBus() {
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected() || !bus.interface())
        return std::nullopt;
    if (bus.interface()->isServiceRegistered(Service) ||
        bus.interface()->activatableServiceNames().value().contains(Service))
        return bus;
    return std::nullopt;
}

std::unique_ptr<TImageMount> MountWithUDisks(const QDBusConnection& bus, const QString& image) {
    return std::make_unique<TUDisksImageMount>(bus, image);
}
