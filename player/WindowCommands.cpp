// Commands that act on windows, and the keys that reveal the disc tools.
#include "player/Unit1.h"

#include "catalogwin/CatUnit2.h"
#include "media/MediaPlayer_TLB.h"
#include "platform/DesktopWindows.h"
#include "skin/TMyFlatSpeedButtonUnit.h"
#include "video/VidOutUnit.h"

#include <QEvent>
#include <QKeyEvent>
#include <QToolButton>

namespace {

// Buttons keep their own shown state while the bar itself is hidden.
void ToggleVisible(QWidget* widget) {
    widget->setVisible(widget->isHidden());
}

// Held down, these would switch back and forth.
bool TogglingKey(int key) {
    return key == Qt::Key_Space || key == Qt::Key_M || key == Qt::Key_F || key == Qt::Key_F11 ||
           key == Qt::Key_C;
}

constexpr double SeekStep = 5.0; // seconds

} // namespace

bool TMainForm::MediaOpen() const {
    return VidOutForm && VidOutForm->ActiveMovie1->OpenState() == nsOpen;
}

void TMainForm::PlayerKeyPress(QKeyEvent* event) {
    if (!event->isAutoRepeat() || !TogglingKey(event->key()))
        FormKeyDown(event->key(), event->modifiers());
}

// With Ctrl the disc tools and Exit; without a modifier the player's keys.
void TMainForm::FormKeyDown(int Key, Qt::KeyboardModifiers Shift) {
    if (Shift & Qt::ControlModifier)
        ControlKey(Key);
    else if (!(Shift & (Qt::AltModifier | Qt::MetaModifier)))
        PlayerKey(Key);
}

void TMainForm::PlayerKey(int Key) {
    switch (Key) {
    case Qt::Key_Space:
        PlayPause();
        break;
    case Qt::Key_Left:
        SeekBy(-SeekStep);
        break;
    case Qt::Key_Right:
        SeekBy(SeekStep);
        break;
    case Qt::Key_Up:
        StepVolume(+1);
        break;
    case Qt::Key_Down:
        StepVolume(-1);
        break;
    case Qt::Key_M:
        VolNoBtnClick();
        break;
    case Qt::Key_F:
    case Qt::Key_F11:
        ToggleFullScreen();
        break;
    case Qt::Key_Escape:
        if (FullScreenMode)
            OrgBtnClick();
        break;
    case Qt::Key_N:
        NextBtnClick();
        break;
    case Qt::Key_P:
        PrevBtnClick();
        break;
    case Qt::Key_C:
        CatBtnClick();
        break;
    default:
        break;
    }
}

void TMainForm::ControlKey(int Key) {
    if (Key == Qt::Key_Q) {
        ExitBtnClick();
    } else if (Key == Qt::Key_D) {
        ToggleVisible(CustLoadBtn);
        ToggleVisible(TestBtn);
    } else if (Key == Qt::Key_E && !TestBtn->isHidden()) {
        ToggleVisible(SavePosButton);
        ToggleVisible(StartPosButton);
        ToggleVisible(EndPosButton);
        ToggleVisible(EndToStartBtn);
    }
}

void TMainForm::ExitBtnClick() {
    close();
}

void TMainForm::MinBtnClick() {
    hide();
    CatForm2->hide();
}

// A press hides the catalog only where the user saw it: iconified, on
// another desktop or behind another window, the press brings it forward.
void TMainForm::CatBtnClick() {
    if (CatalogView->InView() && InFullView(CatForm2)) {
        CatForm2->hide();
    } else {
        ShowCatalogWindow();
        CatForm2->activateWindow();
    }
    CatBtn->SetDown(CatForm2->isVisible());
}

// From wherever the window manager put it: iconified (a tool window has no
// task-bar entry to get it back from), behind others or on another desktop.
// The keyboard stays where it was; only the Catalog button hands it over.
void TMainForm::ShowCatalogWindow() {
    Deiconify(CatForm2);
    CatForm2->raise();
}

void TMainForm::OrgBtnClick() {
    if (!MediaOpen())
        return;
    VidOutForm->ShowOriginalSize();
    move(HomeLeft, HomeTop);
}

void TMainForm::FullBtnClick() {
    if (!MediaOpen())
        return;
    HomeLeft = x();
    HomeTop = y();
    VidOutForm->ShowFullScreen();
}

void TMainForm::ToggleFullScreen() {
    if (FullScreenMode)
        OrgBtnClick();
    else
        FullBtnClick();
}

void TMainForm::fcImageForm1PosChange() {
    HomeLeft = x();
    HomeTop = y();
}

// The bar shows the split cursor; everywhere else on the bar the arrow.
void TMainForm::FormMouseMove() {
    setCursor(Qt::ArrowCursor);
}
