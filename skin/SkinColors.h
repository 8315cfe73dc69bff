#pragma once
// COLORREF (0x00BBGGRR) to and from Qt colours, and key-coloured images.

#include <QColor>
#include <QImage>

#include <cstdint>

inline QColor ColorRefToQColor(uint32_t c) {
    return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}

inline uint32_t QColorToColorRef(const QColor& c) {
    return uint32_t(c.red()) | (uint32_t(c.green()) << 8) | (uint32_t(c.blue()) << 16);
}

// A copy of the image in which every pixel of the colour of its bottom-left
// pixel is fully transparent.
QImage KeyedImage(const QImage& image);
// The same with a given key colour.
QImage KeyedImage(const QImage& image, QRgb key);
