#pragma once
// JPEG pictures decoded with libjpeg-turbo.

#include <QImage>
#include <QString>

// Decodes a JPEG file; throws Exception naming the file when it cannot be
// read or decoded.
QImage LoadJpegFile(const QString& path);
QImage DecodeJpeg(const QByteArray& bytes, const QString& name);
