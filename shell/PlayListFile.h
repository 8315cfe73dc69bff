#pragma once
// Play-list files: single-byte lines, each written with CR LF.

#include <QString>

#include <string>
#include <vector>

// Lines end at CR, LF or CR LF. Throws Exception "Cannot open file <path>"
// when the file cannot be opened.
std::vector<std::string> ReadPlayListFile(const QString& path);
// Replaces the file atomically; throws Exception when it cannot be written.
void WritePlayListFile(const QString& path, const std::vector<std::string>& lines);
