#include "platform/FuseIsoImage.h"

#include "platform/Exceptions.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include <sys/stat.h>

#include <cerrno>

namespace {

constexpr int kToolTimeoutMs = 30000;

// Runs a mount tool to its end; its error output when it fails, else empty.
QString Run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForStarted())
        return QStringLiteral("%1 is not installed").arg(program);
    if (!process.waitForFinished(kToolTimeoutMs))
        return QStringLiteral("%1 did not finish").arg(program);
    if (process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0)
        return {};
    const QString said = QString::fromLocal8Bit(process.readAllStandardError()).trimmed();
    return said.isEmpty() ? QStringLiteral("%1 failed").arg(program) : said;
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

void Unmount(const QString& folder) {
    // Lazily: a clip still open keeps reading, the mount is gone at once.
    Run(QStringLiteral("fusermount"), {"-u", "-z", folder});
}

QString FolderFor(const QString& image) {
    QString name = QFileInfo(image).completeBaseName();
    if (name.isEmpty())
        name = QStringLiteral("disc");
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) + "/quorvix-player/" +
           name;
}

class TFuseIsoImageMount : public TImageMount {
public:
    TFuseIsoImageMount(const QString& image, const QString& folder)
        : TImageMount(image), Folder(folder) {}
    ~TFuseIsoImageMount() override {
        Unmount(Folder);
        QDir().rmdir(Folder);
    }
    QString MountPoint() const override { return Folder; }

private:
    QString Folder;
};

} // namespace

std::unique_ptr<TImageMount> MountWithFuseIso(const QString& image) {
    const QString folder = FolderFor(image);
    const auto fail = [&image](const QString& why) {
        return Exception(QStringLiteral("Cannot mount %1: %2").arg(image, why).toStdString());
    };
    // Left mounted by a run that was killed.
    if (IsMountPoint(folder))
        Unmount(folder);
    if (!QDir().mkpath(folder))
        throw fail(QStringLiteral("cannot create %1").arg(folder));
    const QString problem = Run(QStringLiteral("fuseiso"), {image, folder});
    if (!problem.isEmpty()) {
        QDir().rmdir(folder);
        throw fail(problem);
    }
    return std::make_unique<TFuseIsoImageMount>(image, folder);
}
