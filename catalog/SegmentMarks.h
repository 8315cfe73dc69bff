#pragma once
// Storing the segment marks of the current entry, for whoever prepares a disc.

struct TSegmentMarkChoice {
    bool Start = true;       // "Start" is down
    bool End = false;        // "End" is down
    bool EndToStart = false; // "EndToStart" is down
};

// Stores the position as the chosen mark of the current entry (and, with
// "End" and "EndToStart", as the next entry's start), then rewrites the
// catalog beside the program. Does nothing while no entry is current.
void SaveCatalog(const TSegmentMarkChoice& choice, double position);
