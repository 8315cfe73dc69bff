#pragma once
// The stored shape of a skin window: a 4-byte little-endian size followed by
// the region in rectangle-list form (32-byte header, then left, top, right,
// bottom per rectangle, right and bottom exclusive).

#include <QByteArray>
#include <QRegion>

#include <optional>

// Coordinates of a stored shape lie within this distance of the origin; no
// window is larger, and sums of such values cannot overflow.
inline constexpr int MaxShapeCoordinate = (1 << 24) - 1;

// An empty region writes only the size 0. Throws Exception for a region
// reaching beyond MaxShapeCoordinate.
QByteArray WriteRegionData(const QRegion& region);
// Parses stored shape bytes (the part after the size field). Returns nothing
// for malformed data, coordinates beyond MaxShapeCoordinate included, instead
// of trusting the counts in it.
std::optional<QRegion> ReadRegionBytes(const QByteArray& bytes);
