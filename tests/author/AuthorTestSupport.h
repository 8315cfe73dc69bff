#pragma once
// Clips and folders for the author's tests.

#include "support/FileBytes.h"
#include "support/SampleDisc.h"
#include "support/ScopedEnvironment.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>

// A runtime folder of the test's own: the image mount clears what it finds in
// its folder there, which would be the mounts of a test running beside it.
class PrivateRuntime {
public:
    PrivateRuntime() : InRuntime("XDG_RUNTIME_DIR", QFile::encodeName(Folder.path())) {}

private:
    QTemporaryDir Folder;
    ScopedEnvironment InRuntime;
};

// A real AVI clip of the given length, made once per test program and copied.
inline void MakeClip(const QString& path, int seconds = 2) {
    static QTemporaryDir made;
    static std::map<int, QString> clips;
    if (!clips.count(seconds)) {
        const QString clip = made.filePath(QStringLiteral("clip%1.avi").arg(seconds));
        RunOrThrow("ffmpeg",
                   {"-v", "error", "-nostdin", "-y", "-t", QString::number(seconds), "-f", "lavfi",
                    "-i", "testsrc=size=160x120:rate=12", "-c:v", "mpeg4", "-vtag", "DIVX", clip});
        clips[seconds] = clip;
    }
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile::remove(path);
    ASSERT_TRUE(QFile::copy(clips[seconds], path)) << path.toStdString();
}

// A file of that size that takes no room (a sparse file).
inline void MakeSparse(const QString& path, qint64 size) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_TRUE(file.resize(size));
}

// Copies a folder tree.
inline void CopyTree(const QString& from, const QString& to) {
    QDir().mkpath(to);
    const QDir source(from);
    for (const QFileInfo& entry :
         source.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)) {
        const QString target = to + QLatin1Char('/') + entry.fileName();
        if (entry.isDir())
            CopyTree(entry.absoluteFilePath(), target);
        else
            ASSERT_TRUE(QFile::copy(entry.absoluteFilePath(), target)) << target.toStdString();
    }
}
