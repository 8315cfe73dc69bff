#include "shell/CommandLine.h"

#include "platform/ImageMount.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {

TCommandLine Invalid(const QString& problem) {
    return {TCommandLine::Invalid, {}, problem};
}

TCommandLine OpenImage(const QString& path) {
    const QString problem = DiscImageProblem(path);
    if (!problem.isEmpty())
        return Invalid(problem);
    return {TCommandLine::Run, QFileInfo(path).absoluteFilePath(), {}};
}

} // namespace

TCommandLine ParseCommandLine(const QStringList& arguments) {
    if (arguments.isEmpty())
        return {};
    if (arguments.size() == 2 && arguments[0] == QLatin1String("--"))
        return OpenImage(arguments[1]);
    if (arguments.size() > 1)
        return Invalid(QCoreApplication::translate("CommandLine", "too many arguments"));
    const QString& argument = arguments[0];
    if (argument == QLatin1String("-h") || argument == QLatin1String("--help"))
        return {TCommandLine::Help, {}, {}};
    if (argument == QLatin1String("--version"))
        return {TCommandLine::Version, {}, {}};
    if (argument.startsWith('-'))
        return Invalid(
            QCoreApplication::translate("CommandLine", "unknown option %1").arg(argument));
    return OpenImage(argument);
}

QString UsageText() {
    return QCoreApplication::translate(
        "CommandLine", "Usage: quorvix-player [IMAGE]\n"
                       "Plays the video clip collection on a Quorvix disc. Without IMAGE it waits\n"
                       "for the disc to be inserted or mounted; IMAGE, a disc image (.iso), is\n"
                       "mounted and opened like a disc, and unmounted at exit. While the player\n"
                       "runs, a second start brings it forward and hands it IMAGE.\n"
                       "\n"
                       "  -h, --help     show this help and exit\n"
                       "      --version  show the version and exit\n");
}

QString VersionText() {
    return QStringLiteral("quorvix-player " QV_VERSION "\n");
}
