#include "shell/DiscSetup.h"

#include "catalog/SetupInf.h"
#include "platform/Exceptions.h"
#include "platform/IniFile.h"
#include "platform/SettingsFiles.h"
#include "platform/SettingsSchema.h"
#include "shell/Pathes.h"

#include <QCoreApplication>
#include <QDir>

namespace {

[[noreturn]] void Fail(const QString& text) {
    throw Exception(text.toStdString());
}

// The settings reader trims spaces and stops at a line end, so such a folder
// name would come back as another one.
void CheckStorable(const QString& folder) {
    if (folder.contains('\n') || folder.contains('\r') || folder.trimmed() != folder)
        Fail(QCoreApplication::translate("DiscSetup",
                                         "The folder name \"%1\" cannot be kept in a settings file "
                                         "(line break or surrounding spaces)")
                 .arg(folder));
}

} // namespace

TDiscSetup SetUpDisc(const QString& discRoot, const QString& workDir, bool force) {
    const QString setupPath = LocateFileOn(discRoot, Schema::SetupFile);
    if (setupPath.isEmpty())
        Fail(QCoreApplication::translate("DiscSetup", "No setup.inf in %1: not a program disc")
                 .arg(discRoot));
    // The same reads as the program's at disc load, so both name one file and section.
    const TIniFile setup(setupPath);
    TDiscSetup result;
    result.DiscRoot = discRoot;
    result.Volume = setup.ReadInteger(Schema::MainSection, Schema::DiscVolumeKey, 0);
    const QString iniFileName = ReadIniFileName(setup);
    result.Section = Schema::VolumeSection(result.Volume);
    result.SettingsPath = UserSettingsPath(iniFileName);

    TIniFile user(result.SettingsPath);
    const QByteArray section = result.Section.toUtf8();
    const QString existing =
        QString::fromUtf8(user.ReadString(section, Schema::WorkDirKey, QByteArray()));
    if (!existing.isEmpty() && !force) {
        result.WorkDir = existing;
        return result;
    }
    result.WorkDir = QDir::cleanPath(
        QDir(workDir.isEmpty() ? DefaultWorkDir(iniFileName) : workDir).absolutePath());
    CheckStorable(result.WorkDir);
    if (!QDir().mkpath(result.WorkDir))
        Fail(QCoreApplication::translate("DiscSetup", "Cannot create the folder %1")
                 .arg(result.WorkDir));
    user.WriteString(section, Schema::WorkDirKey, result.WorkDir.toUtf8());
    result.Written = true;
    return result;
}
