#pragma once
// COLORREF (0x00BBGGRR) to and from Qt colours.

#include <QColor>

#include <cstdint>

inline QColor ColorRefToQColor(uint32_t c) {
    return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}

inline uint32_t QColorToColorRef(const QColor& c) {
    return uint32_t(c.red()) | (uint32_t(c.green()) << 8) | (uint32_t(c.blue()) << 16);
}
