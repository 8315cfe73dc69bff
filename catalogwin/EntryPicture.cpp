#include "catalog/CatalogRecord.h"
#include "catalogwin/CatUnit2.h"
#include "player/Unit1.h"
#include "shell/Pathes.h"

#include <QFileInfo>

void TMainForm::ShowEntryPicture(int N) {
    const CatalogRecord* entry = RecordAt(N);
    if (!CatForm2 || !entry)
        return;
    const QString path = LocateFile(EntryPictureFile(*entry));
    if (!path.isEmpty() && QFileInfo(path).isFile())
        CatForm2->ShowPictureFile(path);
    else
        CatForm2->ShowPicture(CatForm2->ImageList1);
}
