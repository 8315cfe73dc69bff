#include "catalogwin/FitPicture.h"

#include <cmath>

QRect FitPictureRect(const TRect& box, const TRect& picture, bool bottomAligned) {
    const int32_t bw = box.Right - box.Left;
    const int32_t bh = box.Bottom - box.Top;
    const int32_t pw = picture.Right - picture.Left;
    const int32_t ph = picture.Bottom - picture.Top;
    if (bw <= 0 || bh <= 0 || pw <= 0 || ph <= 0)
        return QRect(box.Left, box.Top, 0, 0);
    const double sx = static_cast<double>(pw) / bw;
    const double sy = static_cast<double>(ph) / bh;
    const double s = sx > sy ? sx : sy;
    const auto w = static_cast<int32_t>(std::nearbyint(pw / s));
    const auto h = static_cast<int32_t>(std::nearbyint(ph / s));
    const int32_t left = box.Left + (bw - w) / 2;
    const int32_t top = bottomAligned ? box.Bottom - h : box.Top + (bh - h) / 2;
    return QRect(left, top, w, h);
}
