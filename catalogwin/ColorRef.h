#pragma once
// Colours of the window layouts are 0x00BBGGRR: red is the low byte.

#include <QColor>

#include <cstdint>

inline QColor ColorRef(uint32_t value) {
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}
