#pragma once
// The disc's description file and the per-user settings file.

#include <QString>

#include <cstdint>

// "Main"/"Volume" of the disc's setup.inf; 0 when the file or key is missing.
int32_t ReadDiscVolume();
// Full path of the per-user settings file named by setup.inf: a bare name
// lives in the user's configuration folder.
QString UserSettingsPath(const QString& iniFileName);
// The program's own settings, shared by every disc: its "[Player]" section
// holds the choices that are not tied to a disc volume.
QString ProgramSettingsPath();
// Throws Exception when a play-list name cannot be kept as "FavFileName"
// (a line break or NUL in it), so that it is refused when chosen rather than
// when the settings are written at close.
void CheckStorableFavFileName(const QString& path);
