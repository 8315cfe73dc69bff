#include "platform/FuseIsoImage.h"

#include "platform/Exceptions.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>

namespace {

constexpr int kToolTimeoutMs = 30000;

// Runs a mount tool to its end; its error output when it fails, else empty.
QString Run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForStarted())
        return QCoreApplication::translate("ImageMount", "%1 is not installed").arg(program);
    if (!process.waitForFinished(kToolTimeoutMs))
        return QCoreApplication::translate("ImageMount", "%1 did not finish").arg(program);
    if (process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0)
        return {};
    const QString said = QString::fromLocal8Bit(process.readAllStandardError()).trimmed();
    return said.isEmpty() ? QCoreApplication::translate("ImageMount", "%1 failed").arg(program)
                          : said;
}

// A folder on another file system than its parent's is a mount point; one
// whose fuseiso has gone can't even be looked at.
bool IsMountPoint(const QString& folder) {
    struct stat self, parent;
    if (::stat(QFile::encodeName(folder).constData(), &self) != 0)
        return errno == ENOTCONN;
    return ::stat(QFile::encodeName(folder + "/..").constData(), &parent) == 0 &&
           self.st_dev != parent.st_dev;
}

// Lazily: a clip still open keeps reading, the mount is gone at once.
QString UnmountFolder(const QString& folder) {
    return Run(QStringLiteral("fusermount"), {"-u", "-z", folder});
}

QString MountFolders() {
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) +
           QStringLiteral("/quorvix-player");
}

void RemoveFolder(const QString& folder) {
    if (IsMountPoint(folder))
        UnmountFolder(folder);
    QDir().rmdir(folder);
}

// Each program that mounts (the player, the author's tool) does so in a
// folder named by its process, so none takes away another's disc.
QString ProcessFolder(const QString& folders) {
    return folders + QLatin1Char('/') + QString::number(::getpid());
}

bool ProcessRuns(const QString& name) {
    bool number = false;
    const long pid = name.toLong(&number);
    return number && pid > 0 && (::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM);
}

// What a killed run left behind: the folders of processes that are gone,
// and anything else but a folder of a running one.
void RemoveLeftOvers(const QString& folders) {
    for (const QString& name : QDir(folders).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString folder = folders + QLatin1Char('/') + name;
        if (ProcessRuns(name))
            continue;
        for (const QString& mount : QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
            RemoveFolder(folder + QLatin1Char('/') + mount);
        RemoveFolder(folder);
    }
}

// A folder of its own for each image: two images of one name, or a name
// such as "..", never lead two mounts, or one and the runtime folder, to one place.
QString NewFolderFor(const QString& image, const QString& folders) {
    QString name = QFileInfo(image).completeBaseName().left(64);
    if (name.isEmpty() || name == QStringLiteral(".") || name == QStringLiteral(".."))
        name = QStringLiteral("disc");
    QByteArray folder = QFile::encodeName(folders + QLatin1Char('/') + name) + "-XXXXXX";
    if (!QDir().mkpath(folders) || !::mkdtemp(folder.data()))
        return {};
    return QFile::decodeName(folder);
}

// The mount's folder, and its process's folder once that is empty.
void RemoveEmptyFolders(const QString& folder) {
    QDir().rmdir(folder);
    QDir().rmdir(QFileInfo(folder).absolutePath());
}

class TFuseIsoImageMount : public TImageMount {
public:
    TFuseIsoImageMount(const QString& image, const QString& folder)
        : TImageMount(image), Folder(folder) {}
    ~TFuseIsoImageMount() override {
        if (Mounted)
            UnmountFolder(Folder);
        RemoveEmptyFolders(Folder);
    }
    QString MountPoint() const override { return Folder; }
    void Unmount() override {
        if (!Mounted)
            return;
        if (const QString problem = UnmountFolder(Folder); !problem.isEmpty())
            throw Exception(QCoreApplication::translate("ImageMount", "Cannot unmount %1: %2")
                                .arg(Image(), problem)
                                .toStdString());
        Mounted = false;
        RemoveEmptyFolders(Folder);
    }

private:
    QString Folder;
    bool Mounted = true;
};

} // namespace

std::unique_ptr<TImageMount> MountWithFuseIso(const QString& image) {
    const auto fail = [&image](const QString& why) {
        return Exception(QCoreApplication::translate("ImageMount", "Cannot mount %1: %2")
                             .arg(image, why)
                             .toStdString());
    };
    const QString folders = MountFolders();
    RemoveLeftOvers(folders);
    const QString folder = NewFolderFor(image, ProcessFolder(folders));
    if (folder.isEmpty())
        throw fail(
            QCoreApplication::translate("ImageMount", "cannot create a folder in %1").arg(folders));
    const QString problem = Run(QStringLiteral("fuseiso"), {image, folder});
    if (!problem.isEmpty()) {
        RemoveEmptyFolders(folder);
        throw fail(problem);
    }
    return std::make_unique<TFuseIsoImageMount>(image, folder);
}
