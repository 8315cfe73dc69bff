#pragma once
// What a disc author should fix before a disc is made: entries that cannot
// play, segments that do not fit their files, groups the tree would split.

#include <QString>

#include <functional>
#include <optional>
#include <vector>

struct TDiscFinding {
    bool Error; // false: a warning, the program copes
    QString Text;
};

// Length in seconds of a media file, none when it cannot be read.
using TDurationProbe = std::function<std::optional<double>(const QString& path)>;

// Checks the catalog of the disc whose root folder is given, locating files as
// the program does. Throws when there is no catalog to read.
std::vector<TDiscFinding> CheckDisc(const QString& root, const TDurationProbe& duration);
