// A play-list file a user copied: its lines parse without surprises and
// write back as read.
#include "FuzzSupport.h"

#include "catalog/PlayListFile.h"

#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString path = ScratchFolder() + "/Favorites.lst";
    WriteBytes(path, bytes);
    const std::vector<std::string> lines = ReadPlayListFile(path);
    for (const std::string& line : lines) {
        FUZZ_CHECK(line.find_first_of("\r\n") == std::string::npos);
        const auto parsed = ParsePlayListLine(line);
        if (!parsed)
            continue;
        // A line as the program writes it parses to the same mark and number.
        const std::string written =
            (parsed->Checked ? "1" : "0") + std::string(1, '\xA4') + std::to_string(parsed->Entry);
        const auto again = ParsePlayListLine(written);
        FUZZ_CHECK(again && again->Checked == parsed->Checked && again->Entry == parsed->Entry);
    }
    WritePlayListFile(path, lines);
    FUZZ_CHECK(ReadPlayListFile(path) == lines);
    return 0;
}
