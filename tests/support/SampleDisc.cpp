#include "support/SampleDisc.h"

#include "shell/Pathes.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <iostream>
#include <map>
#include <memory>
#include <optional>
#include <stdexcept>

void RunOrThrow(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(180000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        throw std::runtime_error((program + " " + arguments.join(' ') +
                                  " failed: " + process.errorString() + "\n" +
                                  QString::fromLocal8Bit(process.readAllStandardError()))
                                     .toStdString());
}

namespace {

// mountinfo escapes the space, tab, newline and backslash of a mount point.
QByteArray EscapedMountPoint(const QString& folder) {
    QByteArray escaped;
    for (const char c : QFile::encodeName(folder)) {
        if (c == ' ' || c == '\t' || c == '\n' || c == '\\')
            escaped += '\\' + QByteArray::number(static_cast<int>(c), 8).rightJustified(3, '0');
        else
            escaped += c;
    }
    return escaped;
}

bool ShowsInMountInfo(const QString& folder) {
    QFile file("/proc/self/mountinfo");
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray needle = " " + EscapedMountPoint(folder) + " ";
    return file.readAll().contains(needle);
}

QString KindName(SampleDiscKind kind) {
    return kind == SampleDiscKind::Real ? QStringLiteral("real") : QStringLiteral("sample");
}

SampleDiscFiles FilesIn(const QString& folder, SampleDiscKind kind) {
    return {folder + "/disc", folder + "/disc.iso",
            kind == SampleDiscKind::Real ? QStringLiteral("Клипы")
                                         : QStringLiteral("QuorvixSample")};
}

// The disc made for the whole ctest run, where there is one.
std::optional<SampleDiscFiles> MadeForTheRun(int volume, SampleDiscKind kind) {
    const QString made = qEnvironmentVariable("QV_SAMPLE_DISCS");
    if (made.isEmpty())
        return std::nullopt;
    const SampleDiscFiles files =
        FilesIn(QStringLiteral("%1/%2-%3").arg(made).arg(volume).arg(KindName(kind)), kind);
    if (!QFileInfo(files.Iso).isFile() || !QFileInfo(files.Folder).isDir())
        return std::nullopt;
    return files;
}

} // namespace

const SampleDiscFiles& SampleDisc(int volume, SampleDiscKind kind) {
    static std::map<std::pair<int, SampleDiscKind>,
                    std::pair<std::unique_ptr<QTemporaryDir>, SampleDiscFiles>>
        made;
    auto& [dir, files] = made[{volume, kind}];
    if (!files.Iso.isEmpty())
        return files;
    if (const auto shared = MadeForTheRun(volume, kind))
        return files = *shared;
    dir = std::make_unique<QTemporaryDir>();
    if (!dir->isValid())
        throw std::runtime_error("no temporary folder for the sample disc");
    const SampleDiscFiles own = FilesIn(dir->path(), kind);
    RunOrThrow(QV_MAKE_SAMPLE_DISC, {own.Folder, "--volume", QString::number(volume), "--iso",
                                     own.Iso, "--kind", KindName(kind)});
    return files = own;
}

bool UsePrivateMounts() {
    if (::unshare(CLONE_NEWNS) != 0 ||
        ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) {
        std::cerr << "no private mount namespace: " << std::strerror(errno) << std::endl;
        return false;
    }
    for (const QString& disc : CdDriveLetters())
        ::umount2(QFile::encodeName(disc).constData(), MNT_DETACH);
    return true;
}

QString FuseUnavailableReason() {
    const int fd = ::open("/dev/fuse", O_RDWR | O_CLOEXEC);
    if (fd < 0)
        return "fuseiso cannot mount here: /dev/fuse is unavailable";
    ::close(fd);
    if (QStandardPaths::findExecutable("fuseiso").isEmpty() ||
        QStandardPaths::findExecutable("fusermount").isEmpty())
        return "fuseiso or fusermount is not installed";
    return {};
}

QString FailingFileSystemUnavailableReason() {
#ifdef QV_FAILING_FS
    return FuseUnavailableReason();
#else
    return "the failing file system was not built: libfuse3-dev is missing";
#endif
}

bool RequirementsAreMandatory() {
    return qEnvironmentVariableIntValue("QV_REQUIRE_ALL") != 0;
}

FuseMount::FuseMount(const QString& program, const QStringList& arguments) {
    Folder = QDir::temp().filePath("qv-disc-XXXXXX");
    QByteArray pattern = QFile::encodeName(Folder);
    if (!::mkdtemp(pattern.data()))
        throw std::runtime_error("cannot create a mount folder");
    Folder = QFile::decodeName(pattern);
    try {
        RunOrThrow(program, arguments + QStringList{Folder});
        QElapsedTimer waited;
        waited.start();
        while (!ShowsInMountInfo(Folder)) {
            if (waited.elapsed() > 10000)
                throw std::runtime_error(("no fuseiso mount appeared at " + Folder).toStdString());
            QThread::msleep(10);
        }
    } catch (...) {
        QProcess::execute("fusermount", {"-u", "-z", "-q", Folder});
        QDir().rmdir(Folder);
        throw;
    }
    IsMounted = true;
}

FuseMount::~FuseMount() {
    Eject();
    QDir().rmdir(Folder);
}

void FuseMount::Eject() {
    if (!IsMounted)
        return;
    IsMounted = false;
    QProcess::execute("fusermount", {"-u", "-z", Folder});
}
