#pragma once
// Finding the program disc and the data files on it.
// Linux has no drive letters: a "drive" is the mount point of optical media.

#include <QString>
#include <QStringList>

// Mount points of optical media in /proc/self/mountinfo order.
QStringList CdDriveLetters();
bool ProgramDiscPresent();
// Mount point of the first optical medium that carries the program; empty when none.
QString ProgramDiscDrive();
// Full path of an existing file for a name such as "Data\All.dat": beside the
// executable first, then on the program disc; empty when found nowhere.
QString LocateFile(const QString& name);
// The same lookup on a given disc folder only: case of each component ignored,
// nothing outside the folder.
QString LocateFileOn(const QString& root, const QString& name);
// The folder of the running executable, with a trailing '/'.
QString ProgramFolder();
// Path beside the executable for a name such as "Data\All.dat", spelt as the
// existing folders and file are spelt; for files about to be created. Empty
// when the name is absolute or climbs out of the folder.
QString ProgramFolderPath(const QString& name);

// Test seams; an empty text restores the real value.
void SetMountInfoPathForTesting(const QString& path);
void SetProgramFolderForTesting(const QString& folder);
// Replaces the name the disc carries (Quorvix_Player).
void SetProgramFileNameForTesting(const QString& fileName);
