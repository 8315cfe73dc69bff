// Commands that act on windows, and the keys that reveal the disc tools.
#include "player/Unit1.h"

#include "catalogwin/CatUnit2.h"
#include "media/MediaPlayer_TLB.h"
#include "skin/TMyFlatSpeedButtonUnit.h"
#include "video/VidOutUnit.h"

#include <QToolButton>

namespace {

// Buttons keep their own shown state while the bar itself is hidden.
void ToggleVisible(QWidget* widget) { widget->setVisible(widget->isHidden()); }

bool MediaOpen() { return VidOutForm && VidOutForm->ActiveMovie1->OpenState() == nsOpen; }

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

void TMainForm::ExitBtnClick() { close(); }

void TMainForm::MinBtnClick() {
    hide();
    CatForm2->hide();
}

void TMainForm::CatBtnClick() {
    CatForm2->setVisible(!CatForm2->isVisible());
    CatBtn->SetDown(CatForm2->isVisible());
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
void TMainForm::FormMouseMove() { setCursor(Qt::ArrowCursor); }
