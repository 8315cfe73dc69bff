#pragma once
// Fitting a picture into a box while keeping its proportions.

#include <QRect>

#include <cstdint>

// A rectangle given by its edges; right and bottom lie one past the last pixel.
struct TRect {
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Right = 0;
    int32_t Bottom = 0;
};

// The largest rectangle of the picture's proportions that fits the box,
// centred across and either centred or bottom-aligned down. Small pictures
// are enlarged. An empty box or picture gives an empty rectangle at the box.
QRect FitPictureRect(const TRect& box, const TRect& picture, bool bottomAligned);
