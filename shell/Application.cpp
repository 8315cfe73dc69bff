#include "shell/Application.h"

#include "catalogwin/CatUnit2.h"
#include "platform/ProcessMemory.h"
#include "platform/SessionBus.h"
#include "platform/SingleInstance.h"
#include "player/MprisService.h"
#include "player/Unit1.h"
#include "shell/Exceptions.h"
#include "video/CaptionUnit.h"
#include "video/VidOutUnit.h"

#include <QApplication>
#include <QMessageBox>

#include <clocale>
#include <exception>

namespace {

TExceptionReporter Reporter;

void ShowException(const QString& text) {
    if (Reporter)
        Reporter(text);
    else
        QMessageBox::critical(QApplication::activeWindow(), QStringLiteral("Quorvix Player"), text);
}

} // namespace

void SetExceptionReporter(TExceptionReporter reporter) {
    Reporter = std::move(reporter);
}

QString CurrentExceptionText() {
    try {
        throw;
    } catch (const std::exception& error) {
        return QString::fromUtf8(error.what());
    } catch (...) {
        return QStringLiteral("Unknown error");
    }
}

void ReportError(const QString& text) {
    if (auto* app = dynamic_cast<TApplication*>(QCoreApplication::instance()))
        app->Report(text);
    else
        ShowException(text);
}

bool TApplication::notify(QObject* receiver, QEvent* event) {
    bool result = false;
    try {
        result = QApplication::notify(receiver, event);
    } catch (...) {
        Report(CurrentExceptionText());
    }
    // A message box still open runs its own loop, which exit() would end.
    if (EndRequested && !Reporting)
        QCoreApplication::exit(0);
    return result;
}

void TApplication::Report(const QString& text) {
    Reporting = true;
    Finally([&text] { ShowException(text); }, [this] { Reporting = false; });
}

int RunQuorvixPlayer(int argc, char* argv[]) {
    LimitHeapArenas();
    if (!AcquireSingleInstance(QStringLiteral("quorvix-player")))
        return 0;
    TApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C"); // the playback engine needs a C numeric locale
    QApplication::setQuitOnLastWindowClosed(false);

    CreateForms();
    MainForm->RestoreLoudness();
    QObject::connect(MainForm, &TMainForm::Closed, &app, &TApplication::EndProgram);
    ShowForms();
    if (const auto bus = SessionBus())
        new TMprisService(*bus, MainForm); // media keys and desktop player widgets
    const int result = QApplication::exec();
    DestroyForms();
    return result;
}

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

void DestroyForms() {
    delete CaptionForm;
    delete VidOutForm;
    delete CatForm2;
    delete MainForm;
}
