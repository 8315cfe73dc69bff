#pragma once
// The skin's face and colours; COLORREF (0x00BBGGRR) to and from Qt colours,
// and key-coloured images.

#include <QColor>
#include <QFont>
#include <QImage>

#include <cstdint>

inline QColor ColorRefToQColor(uint32_t c) {
    return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}

inline uint32_t QColorToColorRef(const QColor& c) {
    return uint32_t(c.red()) | (uint32_t(c.green()) << 8) | (uint32_t(c.blue()) << 16);
}

// The cream behind the catalog, the bar's gauge and hints and the video
// window's frame, as a COLORREF.
inline constexpr uint32_t SkinCream = 13560062;

// The face every text of the skin is drawn in, at a pixel size.
QFont SkinFont(int pixels);

// A copy of the image in which every pixel of the colour of its bottom-left
// pixel is fully transparent.
QImage KeyedImage(const QImage& image);
// The same with a given key colour.
QImage KeyedImage(const QImage& image, QRgb key);
