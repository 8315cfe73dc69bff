#include "catalog/SegmentMarks.h"

#include "catalog/CatalogRecord.h"

void SaveCatalog(const TSegmentMarkChoice& choice, double position) {
    if (CurrentIndex < 0 || static_cast<size_t>(CurrentIndex) >= Catalog.size())
        return;
    const auto current = static_cast<size_t>(CurrentIndex);
    if (choice.Start)
        Catalog[current].StartPos = position;
    if (choice.End)
        Catalog[current].EndPos = position;
    if (choice.EndToStart && choice.End && current + 1 < Catalog.size())
        Catalog[current + 1].StartPos = Catalog[current].EndPos;
    WriteCatalogFile(ProgramCatalogPath(), Catalog);
}
