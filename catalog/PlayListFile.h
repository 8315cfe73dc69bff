#pragma once
// Play-list files: single-byte lines, each written with CR LF.

#include <QString>

#include <cstdint>
#include <optional>

#include <string>
#include <vector>

// Lines end at CR, LF or CR LF. Throws Exception "Cannot open file <path>"
// when the file cannot be opened.
std::vector<std::string> ReadPlayListFile(const QString& path);
// Replaces the file atomically; throws Exception when it cannot be written.
void WritePlayListFile(const QString& path, const std::vector<std::string>& lines);

// A line's check mark ("1" before the first 0xA4 checks; anything else
// unchecks) and the entry number after the last 0xA4.
struct TPlayListLine {
    bool Checked;
    int32_t Entry;
};
// None when the number part is empty or not a decimal 32-bit integer.
std::optional<TPlayListLine> ParsePlayListLine(const std::string& line);
