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
// The folder of the running executable, with a trailing '/'.
QString ProgramFolder();
