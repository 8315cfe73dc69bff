#include "platform/SettingsFiles.h"

#include "platform/Exceptions.h"
#include "platform/IniFile.h"
#include "platform/SettingsSchema.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocale>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace {

// The program's settings file that could not be read in this run.
QString UnreadableProgramSettings;

// The program's folder in an XDG base folder, or in its default under home.
QString XdgFolder(const char* variable, const QString& fallback) {
    QString base = qEnvironmentVariable(variable);
    if (base.isEmpty() || !QDir::isAbsolutePath(base))
        base = QDir::homePath() + fallback;
    return base + QStringLiteral("/quorvix-player");
}

QString ConfigFolder() {
    return XdgFolder("XDG_CONFIG_HOME", QStringLiteral("/.config"));
}

// Control characters shown as \xHH, so that a message can't drive a terminal.
QString Printable(const QString& text) {
    QString shown;
    for (const QChar c : text)
        shown += c.category() == QChar::Other_Control
                     ? QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'))
                     : QString(c);
    return shown;
}

// A disc names a file in the program's own folders, never a path: on a
// Windows disc a backslash is a separator too.
QString PlainFileName(const QString& name) {
    const bool plain = !name.isEmpty() && name != QStringLiteral(".") &&
                       name != QStringLiteral("..") && !name.contains(QLatin1Char('/')) &&
                       !name.contains(QLatin1Char('\\')) &&
                       std::none_of(name.begin(), name.end(),
                                    [](QChar c) { return c.category() == QChar::Other_Control; });
    if (!plain)
        throw Exception(
            QCoreApplication::translate("SettingsFiles",
                                        "This disc's settings can't be kept: its setup.inf names "
                                        "the settings file \"%1\", which is not a plain file name")
                .arg(Printable(name))
                .toStdString());
    return name;
}

TPlayerSettings ReadPlayerSection(const TIniFile& file) {
    const auto read = [&file](const char* key, const char* defaultValue) {
        return file.ReadString(Schema::PlayerSection, key, defaultValue).toLower();
    };
    TPlayerSettings settings;
    settings.Video = read(Schema::VideoKey, Schema::DefaultVideo);
    settings.HardwareDecoding =
        read(Schema::HardwareDecodingKey, Schema::DefaultHardwareDecoding) != "no";
    bool valid = false;
    const double volume = read(Schema::VolumeKey, Schema::Missing).toDouble(&valid);
    if (valid && std::isfinite(volume))
        settings.Volume = volume;
    settings.Mute = read(Schema::MuteKey, Schema::DefaultMute).toInt() != 0;
    return settings;
}

// A file of no name reads as empty.
TPlayerSettings Defaults() {
    return ReadPlayerSection(TIniFile(QString()));
}

} // namespace

QString UserSettingsPath(const QString& iniFileName) {
    return ConfigFolder() + QLatin1Char('/') + PlainFileName(iniFileName) + QStringLiteral(".ini");
}

QString DefaultWorkDir(const QString& iniFileName) {
    return XdgFolder("XDG_DATA_HOME", QStringLiteral("/.local/share")) + QLatin1Char('/') +
           PlainFileName(iniFileName);
}

QString ProgramSettingsPath() {
    return ConfigFolder() + QStringLiteral("/quorvix-player.ini");
}

TPlayerSettings ReadPlayerSettings() {
    const QString path = ProgramSettingsPath();
    if (path == UnreadableProgramSettings)
        return Defaults();
    try {
        return ReadPlayerSection(TIniFile(path));
    } catch (const EInOutError& error) {
        UnreadableProgramSettings = path;
        const QString text = QString::fromUtf8(error.what());
        QTimer::singleShot(0, QCoreApplication::instance(), [text] { ReportError(text); });
        return Defaults();
    }
}

void WritePlayerLoudness(double volume, bool mute) {
    const QString path = ProgramSettingsPath();
    if (path != UnreadableProgramSettings)
        TIniFile(path).WriteStrings(
            Schema::PlayerSection,
            {{Schema::VolumeKey, QByteArray::number(volume, 'g', QLocale::FloatingPointShortest)},
             {Schema::MuteKey, mute ? "1" : "0"}});
}
