// The stored window shape: any bytes either parse to a region that stores
// and reads back as the same region, or are refused; never undefined
// behaviour.
#include "FuzzSupport.h"

#include "skin/RegionData.h"

#include <QtEndian>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const std::optional<QRegion> region = ReadRegionBytes(bytes);
    if (!region)
        return 0;
    const QByteArray stored = WriteRegionData(*region);
    FUZZ_CHECK(stored.size() >= 4);
    FUZZ_CHECK(qFromLittleEndian<uint32_t>(stored.constData()) == uint32_t(stored.size() - 4));
    if (region->isEmpty()) {
        FUZZ_CHECK(stored.size() == 4);
        return 0;
    }
    const std::optional<QRegion> again = ReadRegionBytes(stored.mid(4));
    FUZZ_CHECK(again && *again == *region);
    return 0;
}
