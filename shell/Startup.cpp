// The disc watch, the loading of a disc and the orderly shutdown.
#include "player/Unit1.h"

#include "catalog/CatalogRecord.h"
#include "catalogwin/CatUnit2.h"
#include "shell/Exceptions.h"
#include "shell/Pathes.h"
#include "shell/Settings.h"
#include "video/VidOutUnit.h"

#include <QTimer>

void TMainForm::Timer2Timer() {
    const bool present = ProgramDiscPresent();
    if (!DiscPresent && present) {
        DiscPresent = true;
        if (ReadDiscVolume() == DiscVolume) {
            VidOutForm->PlayMedia();
            return;
        }
        Timer2->stop();
        Finally([this] { LoadDisc(); }, [this] { Timer2->start(); });
    } else if (DiscPresent && !present) {
        DiscPresent = false;
        VidOutForm->PauseIfPlaying();
    }
}

void TMainForm::LoadDisc() {
    LoadCatalog();
    if (!CatalogLoaded) {
        Timer2->start();
        return;
    }
    ShowCatalogWindow();
    LoadUserSettings();
    CatForm2->BuildCatalogTree();
    CatForm2->CheckAllNodes();
    CatForm2->ApplyingPlayList = true;
    Finally([this] { RestorePlayList(); }, [] { CatForm2->ApplyingPlayList = false; });
    PlayEntry(RandomPlayableEntry());
}

// The media close even when a save fails.
void TMainForm::FormClose() {
    RunEach({[this] { WriteUserSettings(); },
             [] {
                 if (VidOutForm)
                     VidOutForm->CloseMedia();
             }});
}
