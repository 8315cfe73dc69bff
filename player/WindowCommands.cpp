// Commands that act on windows, and the keys that reveal the disc tools.
#include "player/Unit1.h"

#include "catalogwin/CatUnit2.h"
#include "media/MediaPlayer_TLB.h"
#include "skin/TMyFlatSpeedButtonUnit.h"
#include "video/VidOutUnit.h"

#include <QToolButton>

namespace {

// Buttons keep their own shown state while the bar itself is hidden.
void ToggleVisible(QWidget* widget) {
    widget->setVisible(widget->isHidden());
}

bool MediaOpen() {
    return VidOutForm && VidOutForm->ActiveMovie1->OpenState() == nsOpen;
}

} // namespace

void TMainForm::FormKeyDown(int Key, Qt::KeyboardModifiers Shift) {
    if (!(Shift & Qt::ControlModifier))
        return;
    if (Key == Qt::Key_D) {
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

// An iconified window counts as hidden: Catalog brings it back.
void TMainForm::CatBtnClick() {
    if (CatForm2->isVisible() && !CatForm2->isMinimized())
        CatForm2->hide();
    else
        ShowCatalogWindow();
    CatBtn->SetDown(CatForm2->isVisible());
}

// From wherever the window manager put it: iconified (a tool window has no
// task-bar entry to get it back from), behind others or on another desktop.
void TMainForm::ShowCatalogWindow() {
    CatForm2->setWindowState(CatForm2->windowState() & ~Qt::WindowMinimized);
    CatForm2->show();
    CatForm2->raise();
    CatForm2->activateWindow();
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

void TMainForm::fcImageForm1PosChange() {
    HomeLeft = x();
    HomeTop = y();
}

// The bar shows the split cursor; everywhere else on the bar the arrow.
void TMainForm::FormMouseMove() {
    setCursor(Qt::ArrowCursor);
}
