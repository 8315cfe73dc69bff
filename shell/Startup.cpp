// The disc watch, the loading of a disc and the orderly shutdown.
#include "player/Unit1.h"

#include "catalog/CatalogRecord.h"
#include "catalog/SetupInf.h"
#include "catalogwin/CatUnit2.h"
#include "media/MediaPlayer_TLB.h"
#include "platform/Exceptions.h"
#include "shell/Pathes.h"
#include "video/VidOutUnit.h"

#include <QTimer>

#include <exception>

void TMainForm::Timer2Timer() {
    const bool present = ProgramDiscPresent();
    if (!DiscPresent && present) {
        DiscPresent = true;
        if (ReadDiscVolume() == DiscVolume) {
            if (CatalogLoaded)
                VidOutForm->ShowInsertDiscLine(false);
            VidOutForm->PlayMedia();
            KeepScreenAwake();
            return;
        }
        Timer2->stop();
        Finally([this] { LoadDisc(); }, [this] { Timer2->start(); });
    } else if (DiscPresent && !present) {
        DiscPresent = false;
        VidOutForm->PauseIfPlaying();
        KeepScreenAwake();
        VidOutForm->ShowInsertDiscLine(true);
        SavePlace(VidOutForm->ActiveMovie1->CurrentPosition());
    }
}

void TMainForm::LoadDisc() {
    LoadCatalog();
    if (!CatalogLoaded) {
        Timer2->start();
        return;
    }
    VidOutForm->ShowInsertDiscLine(false);
    ShowCatalogWindow();
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
    if (!PlayStoredPlace())
        PlayEntry(RandomPlayableEntry());
    if (unkept)
        std::rethrow_exception(unkept);
}

void TMainForm::SaveSession() {
    RunEach({[this] { WriteUserSettings(); }, [this] { SaveLoudness(); }});
}

// The media close even when a save fails.
void TMainForm::FormClose() {
    RunEach({[this] { SaveSession(); },
             [this] {
                 if (VidOutForm)
                     VidOutForm->CloseMedia();
                 KeepScreenAwake();
             }});
}
