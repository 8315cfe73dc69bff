#pragma once
// Replacing a whole file so that a failure never leaves half of it behind.

#include <QByteArray>
#include <QString>

// Writes bytes to a temporary file in the target's folder, syncs it and
// renames it over the target, keeping the old file's permissions; a new file
// gets the permissions the kernel gives any new file (0666 less the umask). A
// symbolic link is followed: its target is replaced and the link stays; as the
// kernel would, a link that another user made in a sticky folder open to all
// is not followed (unless it is the folder owner's). The temporary
// file has no name until it is complete where the file system allows that;
// what a save killed midway left beside the target is removed by the next
// save. Throws EInOutError with the system's text on failure, and then the
// old file is untouched.
void ReplaceFileAtomically(const QString& path, const QByteArray& bytes);

// Test seam: false makes saves use named temporary files from the start, as
// on file systems without unnamed ones.
void SetUnnamedTemporaryFilesForTesting(bool enabled);
