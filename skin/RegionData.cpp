#include "skin/RegionData.h"

#include "platform/Exceptions.h"

#include <QCoreApplication>
#include <QtEndian>

#include <cstdint>

namespace {

constexpr int kHeaderSize = 32;
constexpr int kRectSize = 16;
constexpr uint32_t kRectanglesType = 1;

bool InRange(int64_t v) {
    return v >= -MaxShapeCoordinate && v <= MaxShapeCoordinate;
}

// Values are computed in 64 bits and checked before they are narrowed.
void PutInt32(QByteArray& out, int64_t v) {
    if (v < INT32_MIN || v > INT32_MAX)
        throw Exception(
            QCoreApplication::translate("RegionData", "Shape too large to store").toStdString());
    char b[4];
    qToLittleEndian<int32_t>(static_cast<int32_t>(v), b);
    out.append(b, 4);
}

void PutRect(QByteArray& out, const QRect& r) {
    const int64_t right = int64_t(r.right()) + 1, bottom = int64_t(r.bottom()) + 1;
    if (!InRange(r.left()) || !InRange(r.top()) || !InRange(right) || !InRange(bottom))
        throw Exception(
            QCoreApplication::translate("RegionData", "Shape too large to store").toStdString());
    for (int64_t v : {int64_t(r.left()), int64_t(r.top()), right, bottom})
        PutInt32(out, v);
}

int32_t GetInt32(const QByteArray& in, qsizetype offset) {
    return qFromLittleEndian<int32_t>(in.constData() + offset);
}

} // namespace

QByteArray WriteRegionData(const QRegion& region) {
    QByteArray out;
    if (region.isEmpty()) {
        PutInt32(out, 0);
        return out;
    }
    const int64_t count = region.rectCount();
    PutInt32(out, kHeaderSize + count * kRectSize);
    PutInt32(out, kHeaderSize);
    PutInt32(out, kRectanglesType);
    PutInt32(out, count);
    PutInt32(out, count * kRectSize);
    PutRect(out, region.boundingRect());
    for (const QRect& r : region)
        PutRect(out, r);
    return out;
}

std::optional<QRegion> ReadRegionBytes(const QByteArray& bytes) {
    if (bytes.size() < kHeaderSize || GetInt32(bytes, 0) != kHeaderSize ||
        uint32_t(GetInt32(bytes, 4)) != kRectanglesType)
        return std::nullopt;
    const int32_t count = GetInt32(bytes, 8);
    if (count < 0 || count > (bytes.size() - kHeaderSize) / kRectSize)
        return std::nullopt;
    QRegion region;
    for (qsizetype i = 0; i < count; ++i) {
        const qsizetype at = kHeaderSize + i * kRectSize;
        const int64_t l = GetInt32(bytes, at), t = GetInt32(bytes, at + 4);
        const int64_t r = GetInt32(bytes, at + 8), b = GetInt32(bytes, at + 12);
        if (!InRange(l) || !InRange(t) || !InRange(r) || !InRange(b))
            return std::nullopt;
        if (r > l && b > t)
            region += QRect(int(l), int(t), int(r - l), int(b - t));
    }
    return region;
}
