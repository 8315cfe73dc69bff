#include "platform/JpegImage.h"

#include "shell/Exceptions.h"

#include <QFile>

#include <memory>
#include <turbojpeg.h>

namespace {

[[noreturn]] void Fail(const QString& name, const QString& reason) {
    throw Exception(QStringLiteral("Cannot load picture %1: %2").arg(name, reason).toStdString());
}

struct DecoderDeleter {
    void operator()(void* handle) const { tjDestroy(handle); }
};

} // namespace

QImage DecodeJpeg(const QByteArray& bytes, const QString& name) {
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
    QImage image(width, height, QImage::Format_RGBX8888);
    if (image.isNull())
        Fail(name, QStringLiteral("picture too large"));
    // Warnings (a truncated but displayable file) still give a picture.
    if (tjDecompress2(decoder.get(), data, size, image.bits(), width,
                      static_cast<int>(image.bytesPerLine()), height, TJPF_RGBX, 0) != 0 &&
        tjGetErrorCode(decoder.get()) == TJERR_FATAL)
        Fail(name, QString::fromLocal8Bit(tjGetErrorStr2(decoder.get())));
    return image;
}

QImage LoadJpegFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        Fail(path, file.errorString());
    return DecodeJpeg(file.readAll(), path);
}
