// What plays after the current entry, and the Next and Previous buttons.
#include "player/Unit1.h"

#include "catalog/CatalogRecord.h"
#include "catalogwin/CatUnit2.h"
#include "skin/TMyFlatSpeedButtonUnit.h"

namespace {
constexpr int Forward = 0;
constexpr int Backward = 1;
} // namespace

void TMainForm::RepeatBtnClick() { PlayMode = RepeatBtn->Down() ? 2 : 0; }

void TMainForm::RndBtnClick() { PlayMode = RndBtn->Down() ? 3 : 0; }

void TMainForm::AllBtnClick() { StopAtSegmentEnd = !AllBtn->Down(); }

void TMainForm::NextBtnClick() { PlayEntry(CatForm2->NextCheckedEntry(CurrentIndex, Forward)); }

void TMainForm::PrevBtnClick() { PlayEntry(CatForm2->NextCheckedEntry(CurrentIndex, Backward)); }

void TMainForm::MediaPlayer1Notify() {
    switch (PlayMode) {
    case 0:
        PlayEntry(CatForm2->NextCheckedEntry(CurrentIndex, Forward));
        break;
    case 2:
        PlayEntry(CurrentIndex);
        break;
    case 3:
        PlayEntry(CatForm2->RandomCheckedEntry());
        break;
    default:
        break;
    }
}
