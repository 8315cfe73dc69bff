#pragma once
// This process's memory as the kernel sees it, and keeping it from piling up.

// One heap for every thread. Call before any thread starts.
void LimitHeapArenas();
// Gives the pages that the heap holds free back to the system.
void ReleaseFreedMemory();
// A release takes milliseconds and holds the heap while the decoders wait:
// the player releases this long after the last file end or seek, never on
// the way to a first frame or right after a seek, and once for a run of them.
constexpr int FreedMemoryDelayMs = 1000;

// Figures from /proc/self: what measurements and soak runs compare.
struct TProcessFigures {
    long RssKb = 0;     // resident now
    long PeakRssKb = 0; // most ever resident
    int Threads = 0;
    int Descriptors = 0;
};
TProcessFigures ReadProcessFigures();
