#include "skin/SkinColors.h"

QFont SkinFont(int pixels) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(pixels);
    return font;
}

QImage KeyedImage(const QImage& image) {
    if (image.isNull())
        return image;
    return KeyedImage(image, image.pixel(0, image.height() - 1));
}

QImage KeyedImage(const QImage& image, QRgb key) {
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    key &= 0x00FFFFFF;
    for (int y = 0; y < out.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            if ((row[x] & 0x00FFFFFF) == key)
                row[x] = 0;
        }
    }
    return out;
}
