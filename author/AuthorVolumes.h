#pragma once
// A disc too large for one CD, written as the set of volumes proposed for it.

#include "author/DiscChecks.h"

#include <QString>

#include <vector>

// Each volume becomes a disc folder VOLUMEn under parent, from the saved disc
// folder: its share of the records in their order, its own Volume key and
// the same settings file name. Throws Exception when one can't be written.
void WriteVolumes(const QString& disc, const std::vector<TVolumeProposal>& volumes,
                  const QString& parent);
