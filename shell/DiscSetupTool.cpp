#include "shell/DiscSetupTool.h"

#include "platform/Translations.h"
#include "shell/DiscSetup.h"
#include "shell/Pathes.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

#include <cstdio>
#include <exception>

namespace {

void Say(FILE* stream, const QString& text) {
    std::fputs(qPrintable(text + QLatin1Char('\n')), stream);
}

void Report(const TDiscSetup& done) {
    const QString disc = QCoreApplication::translate("DiscSetupTool", "Disc volume %1 in %2")
                             .arg(done.Volume)
                             .arg(done.DiscRoot);
    if (done.Written)
        Say(stdout,
            QCoreApplication::translate("DiscSetupTool", "%1: WorkDir=%2 written to [%3] of %4")
                .arg(disc, done.WorkDir, done.Section, done.SettingsPath));
    else
        Say(stdout, QCoreApplication::translate(
                        "DiscSetupTool", "%1: [%2] of %3 already has WorkDir=%4; left as it is "
                                         "(--force replaces it)")
                        .arg(disc, done.Section, done.SettingsPath, done.WorkDir));
    // The player keeps nothing in a working folder that is not there.
    if (!QFileInfo(done.WorkDir).isDir())
        Say(stderr, "quorvix-disc-setup: " +
                        QCoreApplication::translate("DiscSetupTool",
                                                    "warning: the folder %1 does not exist")
                            .arg(done.WorkDir));
}

} // namespace

int RunDiscSetupTool(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const TTranslations language;
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "DiscSetupTool",
        "Writes the working folder (WorkDir) for a program disc's volume into the per-user "
        "settings file, so that the player keeps favourites and window places. Without "
        "DISC_FOLDER the mounted program disc is used."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption force(
        "force",
        QCoreApplication::translate("DiscSetupTool", "Replace a WorkDir that is already set."));
    const QCommandLineOption workDir(
        "workdir",
        QCoreApplication::translate(
            "DiscSetupTool",
            "The working folder (default: $XDG_DATA_HOME/quorvix-player/<IniFileName>)."),
        "FOLDER");
    parser.addOptions({force, workDir});
    parser.addPositionalArgument(
        "DISC_FOLDER",
        QCoreApplication::translate("DiscSetupTool", "Root folder of the program disc."),
        "[DISC_FOLDER]");
    if (!parser.parse(app.arguments()) || parser.positionalArguments().size() > 1) {
        Say(stderr, parser.errorText() + QLatin1Char('\n') + parser.helpText());
        return 2;
    }
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        Say(stdout, parser.helpText());
        return 0;
    }
    const QStringList positional = parser.positionalArguments();
    const QString disc = positional.isEmpty() ? ProgramDiscDrive() : positional.first();
    if (disc.isEmpty()) {
        Say(stderr,
            "quorvix-disc-setup: " +
                QCoreApplication::translate(
                    "DiscSetupTool", "no program disc is mounted; mount it or give its folder"));
        return 1;
    }
    try {
        Report(SetUpDisc(disc, parser.value(workDir), parser.isSet(force)));
    } catch (const std::exception& error) {
        Say(stderr, QStringLiteral("quorvix-disc-setup: ") + QString::fromUtf8(error.what()));
        return 1;
    }
    return 0;
}
