#pragma once
// What a disc author should fix before a disc is made: entries that cannot
// play, segments that do not fit their files, groups the tree would split.

#include "catalog/CatalogRecord.h"

#include <QString>

#include <functional>
#include <optional>
#include <vector>

struct TDiscFinding {
    bool Error; // false: a warning, the program copes
    QString Text;
    int Record = -1; // the record it is about; -1 for the disc as a whole
};

// Length in seconds of a media file, none when it cannot be read.
using TDurationProbe = std::function<std::optional<double>(const QString& path)>;
// Path of an existing file for a disc name such as "Video\CLIP01.AVI"; empty
// when the disc would not have it.
using TDiscFileLookup = std::function<QString(const QString& name)>;

// Checks records whose files are found by the lookup.
std::vector<TDiscFinding> CheckRecords(const std::vector<CatalogRecord>& records,
                                       const TDiscFileLookup& lookup,
                                       const TDurationProbe& duration);

// Checks the catalog of the disc whose root folder is given, locating files as
// the program does. Throws when there is no catalog to read.
std::vector<TDiscFinding> CheckDisc(const QString& root, const TDurationProbe& duration);
