// The disc watch, the loading of a disc and the orderly shutdown.
#include "player/Unit1.h"

#include "catalog/CatalogRecord.h"
#include "catalogwin/CatUnit2.h"
#include "shell/Exceptions.h"
#include "shell/Pathes.h"
#include "shell/Settings.h"
#include "video/VidOutUnit.h"

#include <QTimer>

#include <exception>

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
    CatForm2->show();
    // Settings that can't be kept are reported once the disc plays.
    std::exception_ptr unkept;
    try {
        LoadUserSettings();
    } catch (const Exception&) {
        unkept = std::current_exception();
    }
    CatForm2->BuildCatalogTree();
    CatForm2->CheckAllNodes();
    CatForm2->ApplyingPlayList = true;
    Finally([this] { RestorePlayList(); }, [] { CatForm2->ApplyingPlayList = false; });
    PlayEntry(CatForm2->RandomCheckedEntry());
    if (unkept)
        std::rethrow_exception(unkept);
}

// The media close even when a save fails.
void TMainForm::FormClose() {
    RunEach({[this] { WriteUserSettings(); },
             [] {
                 if (VidOutForm)
                     VidOutForm->CloseMedia();
             }});
}
