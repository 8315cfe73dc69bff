#pragma once
// JPEG pictures decoded with libjpeg-turbo.

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

#include <cstdint>

// Pictures larger than this on a side, or in all, are refused before any
// decoding: a small file may claim gigabytes of pixels.
inline constexpr int MaxPictureSide = 16384;
inline constexpr int64_t MaxPicturePixels = int64_t(64) << 20;
// A progressive picture, or one whose components come in scans of their own,
// keeps every coefficient (2 bytes a sample of each component) until its last
// scan, at any scale; beyond this it is refused before decoding.
inline constexpr int64_t MaxCoefficientBytes = int64_t(64) << 20;

struct TJpegPicture {
    QImage Image; // decoded at the smallest scale that still covers the box
    QSize Size;   // the picture's own size, as the file gives it
};

// Decodes a JPEG file at the smallest of the scales 1, 1/2, 1/4 and 1/8 at
// which the picture, fitted into a box of the given size keeping its
// proportions, is not enlarged; an empty box decodes at full size. CMYK and
// YCCK pictures come out as RGB. Throws Exception naming the file when it
// cannot be read or decoded, or is larger than the bounds above.
TJpegPicture LoadJpegFile(const QString& path, QSize box = {});
TJpegPicture DecodeJpeg(const QByteArray& bytes, const QString& name, QSize box = {});

// How a picture is written; the sample discs carry each kind.
struct TJpegEncoding {
    int Quality = 85;
    bool Progressive = false;
    bool Cmyk = false; // inverted CMYK with Adobe's marker, as print tools write it
};
QByteArray EncodeJpeg(const QImage& picture, const TJpegEncoding& encoding = {});
