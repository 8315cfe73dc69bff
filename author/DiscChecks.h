#pragma once
// Everything an author should know before burning: the disc check's findings
// and what only the whole project shows (names, overlaps, size, volumes).

#include "author/DiscCheck.h"

#include <QString>

#include <cstdint>
#include <vector>

class TDiscProject;

enum class TSeverity { Error, Warning };

struct TCheckFinding {
    TSeverity Severity;
    QString Text;
    int Record; // the record it is about, -1 for the disc as a whole
};

// Bytes a CD holds: 74 minutes (sold as 650 MB) and 80 minutes (700 MB).
inline constexpr int64_t Cd650Bytes = 333000LL * 2048;
inline constexpr int64_t Cd700Bytes = 360000LL * 2048;

// A disc of a set that the clips need when they don't fit one: numbered
// Volume keys, the same IniFileName.
struct TVolumeProposal {
    int Volume;
    std::vector<int> Records;
    int64_t Bytes;
};

struct TCheckReport {
    std::vector<TCheckFinding> Findings;
    int64_t DiscBytes = 0;                // as laid out on the image
    std::vector<TVolumeProposal> Volumes; // empty when one disc holds it all
    int Errors() const;
    int Warnings() const;
};

// Recomputed from the project as it stands.
TCheckReport CheckProject(const TDiscProject& project, const TDurationProbe& duration);

// The catalog split in its order into discs of at most capacity bytes each
// (a clip larger than that gets a disc of its own and still exceeds it).
std::vector<TVolumeProposal> ProposeVolumes(const TDiscProject& project, int64_t capacity);
