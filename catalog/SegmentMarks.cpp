#include "catalog/SegmentMarks.h"

#include "catalog/CatalogRecord.h"

void SaveCatalog(const TSegmentMarkChoice& choice, double position) {
    CatalogRecord* current = RecordAt(CurrentIndex);
    if (!current)
        return;
    if (choice.Start)
        current->StartPos = position;
    if (choice.End)
        current->EndPos = position;
    CatalogRecord* next = RecordAt(int64_t{CurrentIndex} + 1);
    if (choice.EndToStart && choice.End && next)
        next->StartPos = current->EndPos;
    WriteCatalogFile(ProgramCatalogPath(), Catalog);
}
