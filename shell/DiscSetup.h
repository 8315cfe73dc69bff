#pragma once
// What a disc's installer does for a user: names a working folder for the
// disc's volume in the per-user settings file.

#include <QString>

#include <cstdint>

struct TDiscSetup {
    QString DiscRoot;
    int32_t Volume = 0;
    QString Section;      // "Volume" + Volume
    QString SettingsPath; // the per-user settings file the program reads
    QString WorkDir;      // the folder now in the file
    bool Written = false; // false: an existing WorkDir was kept
};

// Reads the disc's setup.inf and writes WorkDir (workDir, or DefaultWorkDir
// when empty) into that volume's section, creating the folder. Every other byte of
// the settings file stays. An existing non-empty WorkDir is kept unless force
// is set. Throws Exception when the disc has no setup.inf, names its settings
// file with no plain file name, or the folder cannot be made or stored.
TDiscSetup SetUpDisc(const QString& discRoot, const QString& workDir, bool force);
