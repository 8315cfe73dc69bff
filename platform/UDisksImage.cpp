#include "platform/UDisksImage.h"

#include "platform/Exceptions.h"

#include <QCoreApplication>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusUnixFileDescriptor>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QThread>
#include <QTimer>

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

// The window thread runs on while the service answers: an authentication
// dialog may take its time, and the player plays and answers later starts
// meanwhile. When the program ends meanwhile, the answer is still waited for,
// so that nothing the service did is left unknown.
QDBusMessage Await(const QDBusPendingCall& pending) {
    QDBusPendingCallWatcher watcher(pending);
    if (!watcher.isFinished()) {
        QEventLoop loop;
        QObject::connect(&watcher, &QDBusPendingCallWatcher::finished, &loop, &QEventLoop::quit);
        loop.exec();
    }
    watcher.waitForFinished();
    return watcher.reply();
}

void Pause(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    if (loop.exec() < 0) // the program is ending: no loop runs any more
        QThread::msleep(ms);
}

QDBusMessage MethodCall(const QString& path, const QString& interface, const QString& method,
                        const QVariantList& arguments) {
    QDBusMessage call = QDBusMessage::createMethodCall(Service, path, interface, method);
    call.setArguments(arguments);
    call.setInteractiveAuthorizationAllowed(true);
    return call;
}

QDBusMessage Call(const QDBusConnection& bus, const QString& path, const QString& interface,
                  const QString& method, const QVariantList& arguments) {
    return Await(bus.asyncCall(MethodCall(path, interface, method, arguments), kAuthorisedCallMs));
}

// At exit nothing else is left to run: a plain wait.
QDBusMessage CallAtExit(const QDBusConnection& bus, const QString& path, const QString& interface,
                        const QString& method, const QVariantList& arguments) {
    return bus.call(MethodCall(path, interface, method, arguments), QDBus::Block,
                    kAuthorisedCallMs);
}

bool Failed(const QDBusMessage& reply) {
    return reply.type() != QDBusMessage::ReplyMessage;
}

bool HasFilesystem(const QDBusConnection& bus, const QString& block) {
    return !Failed(Call(bus, block, QStringLiteral("org.freedesktop.DBus.Properties"),
                        QStringLiteral("Get"),
                        {FilesystemInterface, QStringLiteral("MountPoints")}));
}

using TCaller = QDBusMessage (*)(const QDBusConnection&, const QString&, const QString&,
                                 const QString&, const QVariantList&);

// A clip still open on the disc makes the service refuse with "busy"; then
// the file system goes lazily, as a removed disc would, and the open clip
// keeps reading until it is closed.
QDBusMessage UnmountFilesystem(TCaller call, const QDBusConnection& bus, const QString& block) {
    const QString method = QStringLiteral("Unmount");
    QDBusMessage reply = call(bus, block, FilesystemInterface, method, {QVariantMap()});
    if (Failed(reply))
        reply = call(bus, block, FilesystemInterface, method,
                     {QVariantMap{{QStringLiteral("force"), true}}});
    return reply;
}

class TUDisksImageMount : public TImageMount {
public:
    TUDisksImageMount(const QDBusConnection& bus, const QString& image)
        : TImageMount(image), Bus(bus) {
        SetUpLoop();
        try {
            MountFilesystem();
        } catch (...) {
            DeleteLoop(Call);
            throw;
        }
    }
    ~TUDisksImageMount() override {
        if (Folder.isEmpty())
            return;
        const QDBusMessage reply = UnmountFilesystem(CallAtExit, Bus, Block);
        if (Failed(reply))
            std::fprintf(stderr, "quorvix-player: cannot unmount %s: %s\n", qPrintable(Image()),
                         qPrintable(reply.errorMessage()));
        DeleteLoop(CallAtExit);
    }
    QString MountPoint() const override { return Folder; }
    void Unmount() override {
        if (Folder.isEmpty())
            return;
        if (const QDBusMessage reply = UnmountFilesystem(Call, Bus, Block); Failed(reply))
            throw Exception(QCoreApplication::translate("ImageMount", "Cannot unmount %1: %2")
                                .arg(Image(), reply.errorMessage())
                                .toStdString());
        Folder.clear();
        DeleteLoop(Call);
    }

private:
    [[noreturn]] void Fail(const QString& why) const {
        throw Exception(QCoreApplication::translate("ImageMount", "Cannot mount %1: %2")
                            .arg(Image(), why)
                            .toStdString());
    }

    // The service gets the image as an open descriptor, so it reads no more
    // than this user may; read-only, since a disc is. Cleared automatically
    // once unmounted, so that even a run that is killed leaves no loop device
    // behind when its disc goes.
    void SetUpLoop() {
        const int fd = ::open(QFile::encodeName(Image()).constData(), O_RDONLY | O_CLOEXEC);
        if (fd < 0)
            throw EInOutError(errno);
        const QDBusUnixFileDescriptor descriptor(fd); // keeps a copy
        ::close(fd);
        const QDBusMessage reply =
            Call(Bus, ManagerPath, ManagerInterface, QStringLiteral("LoopSetup"),
                 {QVariant::fromValue(descriptor), QVariantMap{{"read-only", true}}});
        if (Failed(reply) || reply.arguments().isEmpty())
            Fail(reply.errorMessage());
        Block = reply.arguments().first().value<QDBusObjectPath>().path();
        // A service too old for it still mounts; the loop then goes by Delete only.
        Call(Bus, Block, LoopInterface, QStringLiteral("SetAutoclear"), {true, QVariantMap()});
    }

    void MountFilesystem() {
        QElapsedTimer waited;
        waited.start();
        while (!HasFilesystem(Bus, Block)) {
            if (waited.elapsed() > kFilesystemWaitMs)
                Fail(QCoreApplication::translate("ImageMount", "no file system found on it"));
            Pause(kFilesystemPollMs);
        }
        const QDBusMessage reply =
            Call(Bus, Block, FilesystemInterface, QStringLiteral("Mount"), {QVariantMap()});
        if (Failed(reply) || reply.arguments().isEmpty())
            Fail(reply.errorMessage());
        Folder = reply.arguments().first().toString();
    }

    // Autoclear has done it already when the service honoured it.
    void DeleteLoop(TCaller call) const {
        call(Bus, Block, LoopInterface, QStringLiteral("Delete"), {QVariantMap()});
    }

    QDBusConnection Bus;
    QString Block;  // the loop device's object
    QString Folder; // empty once unmounted
};

} // namespace

std::optional<QDBusConnection> UDisksBus() {
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected() || !bus.interface())
        return std::nullopt;
    const QDBusMessage running =
        Await(bus.interface()->asyncCall(QStringLiteral("NameHasOwner"), Service));
    if (!Failed(running) && running.arguments().value(0).toBool())
        return bus;
    const QDBusMessage startable =
        Await(bus.interface()->asyncCall(QStringLiteral("ListActivatableNames")));
    if (!Failed(startable) && startable.arguments().value(0).toStringList().contains(Service))
        return bus;
    return std::nullopt;
}

std::unique_ptr<TImageMount> MountWithUDisks(const QDBusConnection& bus, const QString& image) {
    return std::make_unique<TUDisksImageMount>(bus, image);
}
