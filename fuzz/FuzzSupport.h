#pragma once
// Shared by the fuzz targets: a scratch folder on a memory file system where
// there is one, and abort-with-message checks of the properties.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>

#include <cstdio>
#include <cstdlib>
#include <string>

inline const QString& ScratchFolder() {
    static const QString folder = [] {
        QString base = QDir("/dev/shm").exists() ? "/dev/shm" : QDir::tempPath();
        std::string pattern = (base + "/qv-fuzz-XXXXXX").toStdString();
        if (!mkdtemp(pattern.data()))
            std::abort();
        std::atexit([] { QDir(ScratchFolder()).removeRecursively(); });
        return QString::fromStdString(pattern);
    }();
    return folder;
}

inline void WriteBytes(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        std::abort();
}

inline QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: property broken: %s\n", __FILE__, __LINE__, #condition);  \
            std::abort();                                                                          \
        }                                                                                          \
    } while (0)
