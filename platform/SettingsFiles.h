#pragma once
// Where the settings files are: the per-user file a disc names, the folder
// kept for it, and the program's own file with its "[Player]" section.

#include <QByteArray>
#include <QString>

#include <optional>

// Full path of the per-user settings file named by setup.inf, in the user's
// configuration folder. A disc may name nothing outside it: throws Exception
// for a name that is not a plain file name (empty, "." or "..", with a
// separator or a control character).
QString UserSettingsPath(const QString& iniFileName);
// The working folder used when the settings name none: one per settings file
// under $XDG_DATA_HOME/quorvix-player. The name is checked as above.
QString DefaultWorkDir(const QString& iniFileName);
// The program's own settings, shared by every disc.
QString ProgramSettingsPath();

// The choices of "[Player]" that are not tied to a disc volume.
struct TPlayerSettings {
    QByteArray Video;             // auto, opengl or software, in lower case
    bool HardwareDecoding = true; // "no" turns it off
    std::optional<double> Volume; // the knob's share of its travel, when one is kept
    bool Mute = false;
};
// A file that can't be read gives the defaults, and its failure is shown
// once, from the message loop (it is read while the windows are made);
// nothing is written over that file in this run.
TPlayerSettings ReadPlayerSettings();
// Keeps the loudness; the engine's choices are the user's own to write.
void WritePlayerLoudness(double volume, bool mute);
