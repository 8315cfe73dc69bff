#include "platform/JpegImage.h"

#include "platform/Exceptions.h"

#include <QCoreApplication>
#include <QFile>

#include <algorithm>
#include <cstring>
#include <memory>
#include <optional>
#include <turbojpeg.h>

namespace {

// No picture within the bounds needs a larger file.
constexpr qint64 MaxFileSize = qint64(256) << 20;

[[noreturn]] void Fail(const QString& name, const QString& reason) {
    throw Exception(QCoreApplication::translate("JpegImage", "Cannot load picture %1: %2")
                        .arg(name, reason)
                        .toStdString());
}

struct HandleDeleter {
    void operator()(void* handle) const { tjDestroy(handle); }
};
using THandle = std::unique_ptr<void, HandleDeleter>;

// What the markers before the first scan tell of the decoder's work.
struct TJpegLayout {
    int Components = 0;
    bool KeepsAllCoefficients = false; // progressive, or the first scan lacks components
    bool AdobeMarker = false;          // CMYK is then stored inverted
};

bool IsFrameMarker(uint8_t marker) {
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

bool IsProgressiveFrame(uint8_t marker) {
    return marker == 0xC2 || marker == 0xC6 || marker == 0xCA || marker == 0xCE;
}

// Walks the segments as libjpeg does (stray bytes before a marker are
// skipped) up to the first scan; none when the file ends before it.
std::optional<TJpegLayout> ReadLayout(const unsigned char* data, size_t size) {
    TJpegLayout layout;
    bool progressive = false;
    size_t pos = 2; // after the start of image
    for (;;) {
        while (pos < size && data[pos] != 0xFF)
            ++pos;
        while (pos < size && data[pos] == 0xFF)
            ++pos;
        if (pos + 3 > size)
            return std::nullopt;
        const uint8_t marker = data[pos];
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) {
            ++pos; // markers without a segment
            continue;
        }
        const size_t length = size_t(data[pos + 1]) << 8 | data[pos + 2];
        const unsigned char* segment = data + pos + 3;
        if (length < 2 || pos + 1 + length > size)
            return std::nullopt;
        const size_t bytes = length - 2;
        if (marker == 0xEE && bytes >= 12 && std::memcmp(segment, "Adobe", 5) == 0)
            layout.AdobeMarker = true;
        else if (IsFrameMarker(marker) && bytes >= 6) {
            progressive = IsProgressiveFrame(marker);
            layout.Components = segment[5];
        } else if (marker == 0xDA && bytes >= 1) {
            layout.KeepsAllCoefficients = progressive || segment[0] < layout.Components;
            return layout;
        }
        pos += 1 + length;
    }
}

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

void CheckSize(const QString& name, int width, int height, const TJpegLayout& layout) {
    if (width <= 0 || height <= 0)
        Fail(name, QCoreApplication::translate("JpegImage", "empty picture"));
    if (width > MaxPictureSide || height > MaxPictureSide ||
        int64_t(width) * height > MaxPicturePixels)
        Fail(name, QCoreApplication::translate("JpegImage", "picture too large (%1 x %2)")
                       .arg(width)
                       .arg(height));
    if (layout.KeepsAllCoefficients &&
        int64_t(width) * height * layout.Components * 2 > MaxCoefficientBytes)
        Fail(name, QCoreApplication::translate("JpegImage",
                                               "progressive picture too large to decode (%1 x %2)")
                       .arg(width)
                       .arg(height));
}

uint8_t Ink(int value, int black) {
    return static_cast<uint8_t>((value * black + 127) / 255);
}

// CMYK pixels to RGB in place. Adobe's files store ink inverted (255 = none).
void CmykToRgb(QImage& image, bool inverted) {
    for (int y = 0; y < image.height(); ++y) {
        uint8_t* p = image.scanLine(y);
        for (int x = 0; x < image.width(); ++x, p += 4) {
            const int flip = inverted ? 0 : 255;
            const int black = flip ^ p[3];
            p[0] = Ink(flip ^ p[0], black);
            p[1] = Ink(flip ^ p[1], black);
            p[2] = Ink(flip ^ p[2], black);
            p[3] = 0xFF;
        }
    }
}

// The same conversion backwards, for writing: the black is what no channel
// reaches, and each ink is taken relative to it.
QImage RgbToInvertedCmyk(const QImage& picture) {
    QImage image = picture.convertToFormat(QImage::Format_RGBX8888);
    for (int y = 0; y < image.height(); ++y) {
        uint8_t* p = image.scanLine(y);
        for (int x = 0; x < image.width(); ++x, p += 4) {
            const int most = std::max({p[0], p[1], p[2]});
            for (int c = 0; c < 3; ++c)
                p[c] = most == 0 ? 0 : static_cast<uint8_t>((p[c] * 255 + most / 2) / most);
            p[3] = static_cast<uint8_t>(most);
        }
    }
    return image;
}

} // namespace

TJpegPicture DecodeJpeg(const QByteArray& bytes, const QString& name, QSize box) {
    THandle decoder(tjInitDecompress());
    if (!decoder)
        Fail(name, QString::fromLocal8Bit(tjGetErrorStr2(nullptr)));
    auto* data = reinterpret_cast<const unsigned char*>(bytes.constData());
    const auto size = static_cast<unsigned long>(bytes.size());
    int width = 0, height = 0, subsampling = 0, colorspace = 0;
    if (tjDecompressHeader3(decoder.get(), data, size, &width, &height, &subsampling,
                            &colorspace) != 0)
        Fail(name, QString::fromLocal8Bit(tjGetErrorStr2(decoder.get())));
    const std::optional<TJpegLayout> layout = ReadLayout(data, size);
    if (!layout)
        Fail(name, QCoreApplication::translate("JpegImage", "no picture data"));
    CheckSize(name, width, height, *layout);
    const bool cmyk = colorspace == TJCS_CMYK || colorspace == TJCS_YCCK;
    const int divisor = ScaleDivisor({width, height}, box);
    const tjscalingfactor factor{1, divisor};
    const int scaledWidth = TJSCALED(width, factor), scaledHeight = TJSCALED(height, factor);
    QImage image(scaledWidth, scaledHeight, QImage::Format_RGBX8888);
    if (image.isNull())
        Fail(name, QCoreApplication::translate("JpegImage", "picture too large"));
    // Warnings (a truncated but displayable file) still give a picture; a
    // progressive file of endless scans does not.
    if (tjDecompress2(decoder.get(), data, size, image.bits(), scaledWidth,
                      static_cast<int>(image.bytesPerLine()), scaledHeight,
                      cmyk ? TJPF_CMYK : TJPF_RGBX, TJFLAG_LIMITSCANS) != 0 &&
        tjGetErrorCode(decoder.get()) == TJERR_FATAL)
        Fail(name, QString::fromLocal8Bit(tjGetErrorStr2(decoder.get())));
    if (cmyk)
        CmykToRgb(image, layout->AdobeMarker);
    return {image, QSize(width, height)};
}

TJpegPicture LoadJpegFile(const QString& path, QSize box) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        Fail(path, file.errorString());
    if (file.size() > MaxFileSize)
        Fail(path, QCoreApplication::translate("JpegImage", "file too large"));
    return DecodeJpeg(file.readAll(), path, box);
}

QByteArray EncodeJpeg(const QImage& picture, const TJpegEncoding& encoding) {
    THandle encoder(tjInitCompress());
    const QImage image = encoding.Cmyk ? RgbToInvertedCmyk(picture)
                                       : picture.convertToFormat(QImage::Format_RGBX8888);
    unsigned char* jpeg = nullptr;
    unsigned long size = 0;
    // Compressing from CMYK writes YCCK with Adobe's marker.
    const int flags = encoding.Progressive ? TJFLAG_PROGRESSIVE : 0;
    if (!encoder || tjCompress2(encoder.get(), image.constBits(), image.width(),
                                static_cast<int>(image.bytesPerLine()), image.height(),
                                encoding.Cmyk ? TJPF_CMYK : TJPF_RGBX, &jpeg, &size, TJSAMP_444,
                                encoding.Quality, flags) != 0) {
        tjFree(jpeg);
        throw Exception(QCoreApplication::translate("JpegImage", "Cannot write a JPEG picture: %1")
                            .arg(QString::fromLocal8Bit(tjGetErrorStr2(encoder.get())))
                            .toStdString());
    }
    QByteArray bytes(reinterpret_cast<const char*>(jpeg), static_cast<qsizetype>(size));
    tjFree(jpeg);
    return bytes;
}
