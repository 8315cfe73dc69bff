#pragma once
// The disc's description file and the per-user settings file.

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <utility>
#include <vector>

class TIniFile;

// "Main"/"Volume" of the disc's setup.inf; 0 when the file or key is missing.
int32_t ReadDiscVolume();
// "Main"/"IniFileName" of a disc's setup.inf, which is Windows-1251 text like
// the catalog; "ERROR" when absent.
QString ReadIniFileName(const TIniFile& setup);
// Full path of the per-user settings file named by setup.inf, in the user's
// configuration folder. A disc may name nothing outside it: throws Exception
// for a name that is not a plain file name (empty, "." or "..", with a
// separator or a control character).
QString UserSettingsPath(const QString& iniFileName);
// The working folder used when the settings name none: one per settings file
// under $XDG_DATA_HOME/quorvix-player. The name is checked as above.
QString DefaultWorkDir(const QString& iniFileName);
// The program's own settings, shared by every disc: its "[Player]" section
// holds the choices that are not tied to a disc volume.
QString ProgramSettingsPath();
// A "[Player]" key. A file that can't be read gives the defaults, and its
// failure is shown once, from the message loop (it is read while the windows
// are made); nothing is written over that file in this run.
QByteArray ReadProgramSetting(const QByteArray& key, const QByteArray& defaultValue);
void WriteProgramSettings(const std::vector<std::pair<QByteArray, QByteArray>>& values);
// Throws Exception when a play-list name cannot be kept as "FavFileName"
// (a line break or NUL in it), so that it is refused when chosen rather than
// when the settings are written at close.
void CheckStorableFavFileName(const QString& path);
