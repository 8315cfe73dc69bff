#include "shell/Forms.h"

#include "catalogwin/CatUnit2.h"
#include "player/MprisService.h"
#include "player/Unit1.h"
#include "video/CaptionUnit.h"
#include "video/VidOutUnit.h"

void CreateForms() {
    MainForm = new TMainForm;
    CatForm2 = new TCatForm2;
    VidOutForm = new TVidOutForm;
    CaptionForm = new TCaptionForm;
}

void ShowForms() {
    MainForm->show();
    VidOutForm->show();
    CaptionForm->show();
}

void BringFormsForward() {
    if (!MainForm)
        return;
    MainForm->show();
    // The bar last: it stays usable over the picture.
    for (QWidget* form : {static_cast<QWidget*>(VidOutForm), static_cast<QWidget*>(CaptionForm),
                          static_cast<QWidget*>(MainForm)}) {
        if (!form)
            continue;
        form->setWindowState(form->windowState() & ~Qt::WindowMinimized);
        form->raise();
    }
    if (VidOutForm)
        VidOutForm->KeepBarOverPicture();
    MainForm->activateWindow();
}

void DestroyForms() {
    delete CaptionForm;
    delete VidOutForm;
    delete CatForm2;
    delete MainForm;
}

TMprisService* StartMprisService(const QDBusConnection& bus) {
    auto* service = new TMprisService(bus, MainForm);
    QObject::connect(service, &TMprisService::RaiseRequested, MainForm, &BringFormsForward);
    return service;
}
