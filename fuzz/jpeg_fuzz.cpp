// An entry picture from a disc, decoded for the picture panel: a picture
// within the bounds at the scale that covers the panel, or an error.
#include "FuzzSupport.h"

#include "platform/Exceptions.h"
#include "platform/JpegImage.h"

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QSize box(135, 95);
    try {
        const TJpegPicture picture = DecodeJpeg(bytes, "fuzz.jpg", box);
        const QSize own = picture.Size, decoded = picture.Image.size();
        FUZZ_CHECK(own.width() > 0 && own.height() > 0);
        FUZZ_CHECK(own.width() <= MaxPictureSide && own.height() <= MaxPictureSide);
        FUZZ_CHECK(int64_t(own.width()) * own.height() <= MaxPicturePixels);
        bool scaled = false;
        for (int divisor : {1, 2, 4, 8})
            scaled |= decoded == QSize((own.width() + divisor - 1) / divisor,
                                       (own.height() + divisor - 1) / divisor);
        FUZZ_CHECK(scaled);
        // Reduced only as far as the picture fitted into the box: the
        // fitted picture is never enlarged from a reduced one.
        const double shrink =
            std::max(double(own.width()) / box.width(), double(own.height()) / box.height());
        FUZZ_CHECK(decoded == own || (decoded.width() >= int(own.width() / shrink) &&
                                      decoded.height() >= int(own.height() / shrink)));
    } catch (const Exception&) {
    }
    return 0;
}
