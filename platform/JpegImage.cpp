#include "platform/JpegImage.h"

#include "shell/Exceptions.h"

#include <QFile>

#include <memory>
#include <turbojpeg.h>

namespace {

// No picture within the bounds needs a larger file.
constexpr qint64 MaxFileSize = qint64(256) << 20;

[[noreturn]] void Fail(const QString& name, const QString& reason) {
    throw Exception(QStringLiteral("Cannot load picture %1: %2").arg(name, reason).toStdString());
}

struct DecoderDeleter {
    void operator()(void* handle) const { tjDestroy(handle); }
};

// The largest divisor whose result still covers the fitted picture: the fit
// shrinks by the smaller of box / picture on the two sides, so one side
// reaching the box is enough.
int ScaleDivisor(QSize picture, QSize box) {
    if (box.width() <= 0 || box.height() <= 0)
        return 1;
    for (int divisor : {8, 4, 2}) {
        if (int64_t(divisor) * box.width() <= picture.width() ||
            int64_t(divisor) * box.height() <= picture.height())
            return divisor;
    }
    return 1;
}

} // namespace

TJpegPicture DecodeJpeg(const QByteArray& bytes, const QString& name, QSize box) {
    std::unique_ptr<void, DecoderDeleter> decoder(tjInitDecompress());
    if (!decoder)
        Fail(name, QString::fromLocal8Bit(tjGetErrorStr2(nullptr)));
    auto* data = reinterpret_cast<const unsigned char*>(bytes.constData());
    const auto size = static_cast<unsigned long>(bytes.size());
    int width = 0, height = 0, subsampling = 0, colorspace = 0;
    if (tjDecompressHeader3(decoder.get(), data, size, &width, &height, &subsampling,
                            &colorspace) != 0)
        Fail(name, QString::fromLocal8Bit(tjGetErrorStr2(decoder.get())));
    if (width <= 0 || height <= 0)
        Fail(name, QStringLiteral("empty picture"));
    if (width > MaxPictureSide || height > MaxPictureSide ||
        int64_t(width) * height > MaxPicturePixels)
        Fail(name, QStringLiteral("picture too large (%1 x %2)").arg(width).arg(height));
    const int divisor = ScaleDivisor({width, height}, box);
    const tjscalingfactor factor{1, divisor};
    const int scaledWidth = TJSCALED(width, factor), scaledHeight = TJSCALED(height, factor);
    QImage image(scaledWidth, scaledHeight, QImage::Format_RGBX8888);
    if (image.isNull())
        Fail(name, QStringLiteral("picture too large"));
    // Warnings (a truncated but displayable file) still give a picture; a
    // progressive file of endless scans does not.
    if (tjDecompress2(decoder.get(), data, size, image.bits(), scaledWidth,
                      static_cast<int>(image.bytesPerLine()), scaledHeight, TJPF_RGBX,
                      TJFLAG_LIMITSCANS) != 0 &&
        tjGetErrorCode(decoder.get()) == TJERR_FATAL)
        Fail(name, QString::fromLocal8Bit(tjGetErrorStr2(decoder.get())));
    return {image, QSize(width, height)};
}

TJpegPicture LoadJpegFile(const QString& path, QSize box) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        Fail(path, file.errorString());
    if (file.size() > MaxFileSize)
        Fail(path, QStringLiteral("file too large"));
    return DecodeJpeg(file.readAll(), path, box);
}
