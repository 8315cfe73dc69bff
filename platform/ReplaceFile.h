#pragma once
// Replacing a whole file so that a failure never leaves half of it behind.

#include <QByteArray>
#include <QString>

// Writes bytes to a temporary file in the same folder, syncs it and renames it
// over path. Creates the folder when missing. Throws Exception on failure, and
// then the old file is untouched.
void ReplaceFileAtomically(const QString& path, const QByteArray& bytes);
