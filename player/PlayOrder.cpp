// What plays after the current entry, and the Next and Previous buttons.
#include "player/Unit1.h"

#include "catalog/CatalogRecord.h"
#include "catalogwin/CatUnit2.h"
#include "skin/TMyFlatSpeedButtonUnit.h"
#include "video/VidOutUnit.h"

#include <set>

void TMainForm::RepeatBtnClick() {
    PlayMode = RepeatBtn->Down() ? 2 : 0;
}

void TMainForm::RndBtnClick() {
    PlayMode = RndBtn->Down() ? 3 : 0;
}

void TMainForm::AllBtnClick() {
    StopAtSegmentEnd = !AllBtn->Down();
}

void TMainForm::NextBtnClick() {
    PlayEntry(NextPlayableEntry(Forward));
}

void TMainForm::PrevBtnClick() {
    PlayEntry(NextPlayableEntry(Backward));
}

// An entry whose file is missing is passed over, in the same direction; once
// round the tree is the most it goes.
int32_t TMainForm::NextPlayableEntry(int direction) const {
    std::set<int32_t> tried;
    for (int32_t n = CatForm2->NextCheckedEntry(CurrentIndex, direction);
         n != -1 && tried.insert(n).second; n = CatForm2->NextCheckedEntry(n, direction))
        if (EntryPlayable(n))
            return n;
    return -1;
}

int32_t TMainForm::RandomPlayableEntry() const {
    return CatForm2->RandomCheckedEntry([this](int32_t n) { return EntryPlayable(n); });
}

// With nothing left that can play, the order ends: the bar reads Stopped.
void TMainForm::MediaPlayer1Notify() {
    int32_t next = -1;
    switch (PlayMode) {
    case 0:
        next = NextPlayableEntry(Forward);
        break;
    case 2:
        next = CurrentIndex;
        break;
    case 3:
        next = RandomPlayableEntry();
        break;
    default:
        return;
    }
    if (next == -1)
        VidOutForm->StopMedia();
    else
        PlayEntry(next);
}
