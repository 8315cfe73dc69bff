#include "author/ImageBuild.h"

#include "author/DiscCheck.h"
#include "author/DiscProject.h"
#include "media/MediaProbe.h"
#include "platform/Exceptions.h"
#include "platform/ImageMount.h"
#include "platform/ReplaceFile.h"
#include "shell/Pathes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <QCoreApplication>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

// genisoimage reads "=" as the end of a graft point's name and "\" as an escape.
QString Escaped(QString path) {
    return path.replace(QLatin1Char('\\'), QStringLiteral("\\\\"))
        .replace(QLatin1Char('='), QStringLiteral("\\="));
}

QByteArray Bytes(const std::vector<CatalogRecord>& records) {
    return QByteArray(reinterpret_cast<const char*>(records.data()),
                      static_cast<qsizetype>(records.size() * sizeof(CatalogRecord)));
}

QString Shown(QString name) {
    return name.replace(QLatin1Char('\\'), QLatin1Char('/'));
}

void VerifyMounted(const QString& root, const std::vector<CatalogRecord>* expected,
                   const QStringList& pictures, QStringList& failures) {
    const QString canonical = QFileInfo(root).canonicalFilePath();
    bool seen = false;
    for (const QString& drive : CdDriveLetters())
        seen = seen || QFileInfo(drive).canonicalFilePath() == canonical;
    if (!seen)
        failures << QCoreApplication::translate(
            "ImageBuild", "the mounted image is not among the discs the player looks at");
    if (LocateFileOn(root, QStringLiteral("QUORVIX_PLAYER.EXE")).isEmpty() &&
        LocateFileOn(root, QStringLiteral("Quorvix_Player")).isEmpty())
        failures << QCoreApplication::translate(
            "ImageBuild",
            "no QUORVIX_PLAYER.EXE in its root: the player would not take it for its disc");
    if (LocateFileOn(root, QStringLiteral("setup.inf")).isEmpty())
        failures << QCoreApplication::translate(
            "ImageBuild", "no setup.inf: the player would not know the disc's volume");
    const QString catalog = LocateFileOn(root, QStringLiteral("Data\\All.dat"));
    if (catalog.isEmpty()) {
        failures << QCoreApplication::translate(
            "ImageBuild", "no Data/All.dat: the player would find no catalog");
        return;
    }
    std::vector<CatalogRecord> records;
    try {
        records = ReadCatalogFile(catalog);
    } catch (const std::exception& error) {
        failures << QCoreApplication::translate("ImageBuild", "its catalog cannot be read: %1")
                        .arg(QString::fromUtf8(error.what()));
        return;
    }
    if (records.empty())
        failures << QCoreApplication::translate("ImageBuild", "its catalog has no entries");
    if (expected && Bytes(records) != Bytes(*expected))
        failures << QCoreApplication::translate(
            "ImageBuild", "its catalog is not the one the disc was built from");
    for (const QString& picture : pictures)
        if (LocateFileOn(root, picture).isEmpty())
            failures << QCoreApplication::translate("ImageBuild",
                                                    "the player finds no %1 on the image")
                            .arg(Shown(picture));
    // Every entry's video through the player's lookup, and what else the disc
    // check calls an error (marks beyond a file, unreadable media), as on the image.
    for (const TDiscFinding& finding : CheckDisc(root, MediaFileDuration))
        if (finding.Error)
            failures << finding.Text;
}

} // namespace

QStringList VerifyImage(const QString& image, const std::vector<CatalogRecord>* expected,
                        const QStringList& pictures) {
    QStringList failures;
    std::unique_ptr<TImageMount> mount;
    try {
        mount = MountImage(image);
        VerifyMounted(mount->MountPoint(), expected, pictures, failures);
        mount->Unmount();
    } catch (const std::exception& error) {
        failures << QCoreApplication::translate("ImageBuild", "%1 cannot be checked: %2")
                        .arg(image, QString::fromUtf8(error.what()));
    }
    return failures;
}

QStringList ImageToolArguments(const TDiscProject& project, const QString& staging,
                               const QString& image) {
    QStringList grafts;
    for (const TDiscFile& file : project.DiscFiles(true)) {
        QString source = file.Source;
        if (source.isEmpty()) {
            source = staging + QLatin1Char('/') + file.Name;
            QDir().mkpath(QFileInfo(source).absolutePath());
            ReplaceFileAtomically(source, file.Bytes);
        }
        grafts << Escaped(file.Name) + QLatin1Char('=') + Escaped(source);
    }
    return QStringList{"-J",  "-input-charset", "utf-8", "-V", project.VolumeLabel(), "-o",
                       image, "-graft-points"} +
           grafts;
}

TImageBuild::TImageBuild(QObject* parent) : QObject(parent) {}

TImageBuild::~TImageBuild() {
    Cancel();
}

bool TImageBuild::IsRunning() const {
    return Tool && Tool->state() != QProcess::NotRunning;
}

void TImageBuild::Cancel() {
    if (!Tool)
        return;
    Tool->disconnect(this);
    if (Tool->state() != QProcess::NotRunning) {
        Tool->kill();
        Tool->waitForFinished(5000);
    }
    Tool.reset();
    if (!Partial.isEmpty())
        QFile::remove(Partial);
    Staging.reset();
}

void TImageBuild::Start(const TDiscProject& project, const QString& image) {
    if (IsRunning())
        throw Exception(QCoreApplication::translate("ImageBuild", "An image is being built already")
                            .toStdString());
    const QString program = QStandardPaths::findExecutable(QStringLiteral("genisoimage"));
    if (program.isEmpty())
        throw Exception(
            QCoreApplication::translate("ImageBuild",
                                        "genisoimage is not installed (Debian package genisoimage)")
                .toStdString());
    if (project.Count() == 0)
        throw Exception(
            QCoreApplication::translate("ImageBuild", "The disc has no entries").toStdString());
    Cancel();
    Staging = std::make_unique<QTemporaryDir>();
    if (!Staging->isValid())
        throw Exception(
            QCoreApplication::translate("ImageBuild", "No temporary folder for the disc's files")
                .toStdString());
    Target = QFileInfo(image).absoluteFilePath();
    // Complete before it takes the image's name.
    Partial = Target + QStringLiteral(".part");
    QFile::remove(Partial);
    const QStringList arguments = ImageToolArguments(project, Staging->path(), Partial);
    Expected = project.Records();
    ExpectedPictures.clear();
    for (const QString& name : project.MediaNames())
        if (!project.PictureFile(name).isEmpty())
            ExpectedPictures << QStringLiteral("Pic\\") + name + QStringLiteral(".jpg");
    Problems.clear();
    ToolSaid.clear();
    Pending.clear();
    ToolTime = 0;

    Tool = std::make_unique<QProcess>();
    connect(Tool.get(), &QProcess::readyReadStandardError, this, &TImageBuild::ReadProgress);
    connect(Tool.get(), &QProcess::finished, this, &TImageBuild::ToolFinished);
    connect(Tool.get(), &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            Fail(QCoreApplication::translate("ImageBuild", "genisoimage did not start: %1")
                     .arg(Tool->errorString()));
    });
    Clock.start();
    Tool->start(program, arguments);
}

// "  9.97% done, estimate finish ..." per step; anything else is kept for a failure's report.
void TImageBuild::ReadProgress() {
    static const QRegularExpression done(QStringLiteral("^\\s*([0-9]+(?:\\.[0-9]+)?)% done"));
    Pending += Tool->readAllStandardError();
    qsizetype end;
    while ((end = Pending.indexOf('\n')) >= 0) {
        const QString line = QString::fromLocal8Bit(Pending.left(end)).trimmed();
        Pending.remove(0, end + 1);
        const auto match = done.match(line);
        if (match.hasMatch())
            emit Progress(match.captured(1).toDouble());
        else if (!line.isEmpty())
            ToolSaid << line;
    }
}

void TImageBuild::Fail(const QString& text) {
    ToolTime = Clock.elapsed();
    Problems << text;
    if (Tool)
        Tool->disconnect(this);
    QFile::remove(Partial);
    Staging.reset();
    emit Finished(false);
}

void TImageBuild::ToolFinished(int code, QProcess::ExitStatus status) {
    ReadProgress();
    if (!Pending.isEmpty())
        ToolSaid << QString::fromLocal8Bit(Pending).trimmed();
    if (status != QProcess::NormalExit || code != 0) {
        Fail(QCoreApplication::translate("ImageBuild", "genisoimage failed (exit %1): %2")
                 .arg(QString::number(code), ToolSaid.join(QLatin1Char('\n'))));
        return;
    }
    ToolTime = Clock.elapsed();
    Staging.reset();
    if (std::rename(QFile::encodeName(Partial).constData(),
                    QFile::encodeName(Target).constData()) != 0) {
        Fail(QCoreApplication::translate("ImageBuild", "Cannot write %1: %2")
                 .arg(Target, QString::fromLocal8Bit(std::strerror(errno))));
        return;
    }
    emit Progress(100.0);
    Problems = VerifyImage(Target, &Expected, ExpectedPictures);
    emit Finished(Problems.isEmpty());
}
