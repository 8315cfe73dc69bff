#pragma once
// Replacing a whole file so that a failure never leaves half of it behind.

#include <QByteArray>
#include <QString>

// Writes bytes to a temporary file in the same folder, syncs it and renames it
// over path, keeping the old file's permissions. Throws EInOutError with the
// system's text on failure, and then the old file is untouched.
void ReplaceFileAtomically(const QString& path, const QByteArray& bytes);
