#pragma once
// Whole files and catalogs as bytes, for tests that compare them.

#include "catalog/CatalogRecord.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <vector>

inline QByteArray Bytes(const std::vector<CatalogRecord>& records) {
    return QByteArray(reinterpret_cast<const char*>(records.data()),
                      static_cast<qsizetype>(records.size() * sizeof(CatalogRecord)));
}

// Empty when the file cannot be read.
inline QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Creates the folders on the way.
inline void WriteBytes(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}
