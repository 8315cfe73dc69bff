#include "author/AuthorTool.h"

#include "author/DiscChecks.h"
#include "author/DiscProject.h"
#include "author/ImageBuild.h"
#include "media/MediaProbe.h"
#include "shell/Pathes.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFileInfo>

namespace {

constexpr int Failed = 1;
constexpr int Misused = 2;

QString Usage() {
    return QCoreApplication::translate(
        "AuthorTool", "usage: quorvix-author build FOLDER -o DISC.iso [--label LABEL] [--volume N] "
                      "[--ini-name NAME]\n"
                      "       quorvix-author save FOLDER|DISC.iso -o DISC_FOLDER\n"
                      "       quorvix-author check DISC.iso|FOLDER\n"
                      "       quorvix-author --help\n");
}

QString Help() {
    return Usage() +
           QCoreApplication::translate(
               "AuthorTool",
               "\n"
               "build  makes an ISO 9660 image with Joliet names of a disc folder (one with\n"
               "       Data/All.dat) or of a folder of clips (each clip an entry, in a group\n"
               "       named after its folder), after checking it; then mounts the image and\n"
               "       checks that the player finds every entry's files on it.\n"
               "save   writes the disc's folder (Data/All.dat, Video/, Pic/, setup.inf and\n"
               "       the marker) from a folder of clips, a disc folder or an image, to\n"
               "       mark its entries before it is built.\n"
               "check  reports what a disc image or folder holds that the player would not\n"
               "       play or find.\n"
               "Exit status: 0 done, 1 an error found or a failure, 2 a wrong command line.\n");
}

std::ostream& operator<<(std::ostream& stream, const QString& text) {
    return stream << text.toStdString();
}

class TUsageError {};

struct TBuildOptions {
    QString Source;
    QString Output; // the image, or the folder that save writes
    QString Label;
    QString IniName;
    int Volume = 0;
};

TBuildOptions BuildOptions(const QStringList& arguments) {
    TBuildOptions options;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        const auto value = [&]() -> QString {
            if (i + 1 >= arguments.size())
                throw TUsageError();
            return arguments[++i];
        };
        if (argument == QLatin1String("-o") || argument == QLatin1String("--output"))
            options.Output = value();
        else if (argument == QLatin1String("--label"))
            options.Label = value();
        else if (argument == QLatin1String("--ini-name"))
            options.IniName = value();
        else if (argument == QLatin1String("--volume")) {
            bool number = false;
            options.Volume = value().toInt(&number);
            if (!number || options.Volume < 1)
                throw TUsageError();
        } else if (argument.startsWith('-') || !options.Source.isEmpty())
            throw TUsageError();
        else
            options.Source = argument;
    }
    if (options.Source.isEmpty() || options.Output.isEmpty())
        throw TUsageError();
    return options;
}

bool IsDiscFolder(const QString& folder) {
    return !LocateFileOn(folder, QStringLiteral("Data\\All.dat")).isEmpty();
}

// Prints the findings; true when none is an error.
bool Report(const TCheckReport& report, std::ostream& out) {
    for (const TCheckFinding& finding : report.Findings)
        out << (finding.Severity == TSeverity::Error
                    ? QCoreApplication::translate("AuthorTool", "error: ")
                    : QCoreApplication::translate("AuthorTool", "warning: "))
            << finding.Text << "\n";
    out << QCoreApplication::translate("AuthorTool",
                                       "%1 error(s), %2 warning(s); the disc takes %3 MB")
               .arg(report.Errors())
               .arg(report.Warnings())
               .arg(QString::number(static_cast<double>(report.DiscBytes) / 1e6, 'f', 1))
        << "\n";
    return report.Errors() == 0;
}

// A disc folder or an image as it is; any other folder as a folder of clips.
void OpenSource(TDiscProject& project, const TBuildOptions& options) {
    if (QFileInfo(options.Source).isFile() || IsDiscFolder(options.Source))
        project.Open(options.Source);
    else
        project.NewFromFolder(options.Source);
    if (options.Volume > 0)
        project.SetVolume(options.Volume);
    if (!options.IniName.isEmpty())
        project.SetIniFileName(options.IniName);
    if (!options.Label.isEmpty())
        project.SetVolumeLabel(options.Label);
    else if (options.Volume > 0)
        project.SetVolumeLabel(QStringLiteral("QUORVIX_%1").arg(options.Volume));
}

int Save(const QStringList& arguments, std::ostream& out) {
    const TBuildOptions options = BuildOptions(arguments);
    TDiscProject project;
    OpenSource(project, options);
    project.SaveAs(options.Output);
    out << QCoreApplication::translate("AuthorTool", "%1: %n entries saved", nullptr,
                                       project.Count())
               .arg(options.Output)
        << "\n";
    return 0;
}

int Build(const QStringList& arguments, std::ostream& out, std::ostream& err) {
    const TBuildOptions options = BuildOptions(arguments);
    TDiscProject project;
    OpenSource(project, options);
    if (!Report(CheckProject(project, MediaFileDuration), out)) {
        err << "quorvix-author: "
            << QCoreApplication::translate("AuthorTool", "%1 was not built: fix the errors first")
                   .arg(options.Output)
            << "\n";
        return Failed;
    }
    TImageBuild build;
    QEventLoop loop;
    bool built = false;
    QObject::connect(&build, &TImageBuild::Finished, &loop, [&](bool ok) {
        built = ok;
        loop.quit();
    });
    build.Start(project, options.Output);
    loop.exec();
    for (const QString& failure : build.Failures())
        out << QCoreApplication::translate("AuthorTool", "error: ") << failure << "\n";
    if (!built) {
        err << "quorvix-author: "
            << QCoreApplication::translate("AuthorTool", "%1 failed its check").arg(options.Output)
            << "\n";
        return Failed;
    }
    out << QCoreApplication::translate("AuthorTool", "%1: %n entries, built and checked", nullptr,
                                       project.Count())
               .arg(options.Output)
        << "\n";
    return 0;
}

int Check(const QString& target, std::ostream& out) {
    // The image's own check first: its mount is gone before the project
    // mounts the image, and a second mount of the program's would clear the first.
    QStringList failures;
    if (QFileInfo(target).isFile())
        failures = VerifyImage(target);
    TDiscProject project;
    TBuildOptions options;
    options.Source = target;
    OpenSource(project, options);
    const bool clean = Report(CheckProject(project, MediaFileDuration), out);
    for (const QString& failure : failures)
        out << QCoreApplication::translate("AuthorTool", "error: ") << failure << "\n";
    return clean && failures.isEmpty() ? 0 : Failed;
}

int RunCommand(const QStringList& arguments, std::ostream& out, std::ostream& err) {
    const QString command = arguments.value(0);
    try {
        if (arguments.size() == 1 &&
            (command == QLatin1String("--help") || command == QLatin1String("-h"))) {
            out << Help();
            return 0;
        }
        if (command == QLatin1String("build"))
            return Build(arguments, out, err);
        if (command == QLatin1String("save"))
            return Save(arguments, out);
        if (command == QLatin1String("check") && arguments.size() == 2)
            return Check(arguments[1], out);
    } catch (const TUsageError&) {
    } catch (const std::exception& error) {
        err << "quorvix-author: " << QString::fromUtf8(error.what()) << "\n";
        return Failed;
    }
    err << Usage();
    return Misused;
}

} // namespace

int RunAuthorTool(const QStringList& arguments, std::ostream& out, std::ostream& err) {
    const int status = RunCommand(arguments, out, err);
    if (!out.flush()) {
        err << "quorvix-author: "
            << QCoreApplication::translate("AuthorTool", "the output could not be written") << "\n";
        return Failed;
    }
    return status;
}
