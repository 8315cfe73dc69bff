#include "shell/DiscSetup.h"

#include "platform/Exceptions.h"
#include "platform/IniFile.h"
#include "shell/Pathes.h"
#include "shell/Settings.h"

#include <QDir>

namespace {

[[noreturn]] void Fail(const QString& text) {
    throw Exception(text.toStdString());
}

// The settings reader trims spaces and stops at a line end, so such a folder
// name would come back as another one.
void CheckStorable(const QString& folder) {
    if (folder.contains('\n') || folder.contains('\r') || folder.trimmed() != folder)
        Fail(QStringLiteral("The folder name \"%1\" cannot be kept in a settings file "
                            "(line break or surrounding spaces)")
                 .arg(folder));
}

} // namespace

TDiscSetup SetUpDisc(const QString& discRoot, const QString& workDir, bool force) {
    const QString setupPath = LocateFileOn(discRoot, QStringLiteral("setup.inf"));
    if (setupPath.isEmpty())
        Fail(QStringLiteral("No setup.inf in %1: not a program disc").arg(discRoot));
    // The same reads as the program's at disc load, so both name one file and section.
    const TIniFile setup(setupPath);
    TDiscSetup result;
    result.DiscRoot = discRoot;
    result.Volume = setup.ReadInteger("Main", "Volume", 0);
    const QString iniFileName = ReadIniFileName(setup);
    result.Section = QStringLiteral("Volume") + QString::number(result.Volume);
    result.SettingsPath = UserSettingsPath(iniFileName);

    TIniFile user(result.SettingsPath);
    const QByteArray section = result.Section.toUtf8();
    const QString existing = QString::fromUtf8(user.ReadString(section, "WorkDir", QByteArray()));
    if (!existing.isEmpty() && !force) {
        result.WorkDir = existing;
        return result;
    }
    result.WorkDir = QDir::cleanPath(
        QDir(workDir.isEmpty() ? DefaultWorkDir(iniFileName) : workDir).absolutePath());
    CheckStorable(result.WorkDir);
    if (!QDir().mkpath(result.WorkDir))
        Fail(QStringLiteral("Cannot create the folder %1").arg(result.WorkDir));
    user.WriteString(section, "WorkDir", result.WorkDir.toUtf8());
    result.Written = true;
    return result;
}
