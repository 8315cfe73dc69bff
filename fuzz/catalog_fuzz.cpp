// The catalog file of a disc: any bytes load as whole records, or fail with an
// error, and a loaded table saves back byte for byte.
#include "FuzzSupport.h"

#include "catalog/CatalogRecord.h"
#include "platform/Exceptions.h"
#include "shell/Pathes.h"

#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    SetProgramFolderForTesting(ScratchFolder());
    SetMountInfoPathForTesting(ScratchFolder() + "/no-mounts");
    const QString path = ScratchFolder() + "/Data/All.dat";
    WriteBytes(path, bytes);
    LoadCatalog();
    const size_t count = size / sizeof(CatalogRecord);
    FUZZ_CHECK(Catalog.size() == count);
    FUZZ_CHECK(CatalogLoaded == (count > 0));
    for (size_t i = 0; i < count; ++i) {
        CatalogRecord expected;
        std::memcpy(&expected, data + i * sizeof(CatalogRecord), sizeof expected);
        expected.EntryIndex = static_cast<uint8_t>(i % 256);
        FUZZ_CHECK(std::memcmp(&expected, &Catalog[i], sizeof expected) == 0);
        // Every name the program builds from a record.
        GroupTitle(Catalog[i]);
        EntryTitle(Catalog[i]);
        LocateFile(EntryVideoFile(Catalog[i]));
        LocateFile(EntryPictureFile(Catalog[i]));
    }
    WriteCatalogFile(path, Catalog);
    const std::vector<CatalogRecord> again = ReadCatalogFile(path);
    FUZZ_CHECK(again.size() == count);
    FUZZ_CHECK(count == 0 ||
               std::memcmp(again.data(), Catalog.data(), count * sizeof(CatalogRecord)) == 0);
    return 0;
}
