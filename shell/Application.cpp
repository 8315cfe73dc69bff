#include "shell/Application.h"

#include "catalogwin/CatUnit2.h"
#include "platform/Display.h"
#include "platform/Exceptions.h"
#include "platform/ImageMount.h"
#include "platform/InstanceRequests.h"
#include "platform/ProcessMemory.h"
#include "platform/SessionBus.h"
#include "platform/SingleInstance.h"
#include "player/MprisService.h"
#include "player/Unit1.h"
#include "shell/CommandLine.h"
#include "video/CaptionUnit.h"
#include "video/VidOutUnit.h"

#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QTimer>

#include <clocale>
#include <cstdio>
#include <exception>
#include <memory>
#include <optional>

namespace {

TExceptionReporter Reporter;

const QString InstanceName = QStringLiteral("quorvix-player");
// A running instance may still be starting up when a later start asks.
constexpr int kHandOverTimeoutMs = 20000;

void Print(std::FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
}

QStringList Arguments(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QFile::decodeName(argv[i]);
    return arguments;
}

// What a start that is not to run answers; nullopt when it runs.
std::optional<int> Answer(const TCommandLine& command) {
    switch (command.Action) {
    case TCommandLine::Help:
        Print(stdout, UsageText());
        return 0;
    case TCommandLine::Version:
        Print(stdout, VersionText());
        return 0;
    case TCommandLine::Invalid:
        Print(stderr, "quorvix-player: " + command.Problem + "\n" + UsageText());
        return 2;
    case TCommandLine::Run:
        break;
    }
    if (const QString problem = DisplayProblem(); !problem.isEmpty()) {
        Print(stderr, "quorvix-player: " + problem + "\n");
        return 1;
    }
    return std::nullopt;
}

// A later start: the running instance comes forward and opens the image.
int HandOver(const QString& image) {
    if (SendToRunningInstance(InstanceName, image, kHandOverTimeoutMs) || image.isEmpty())
        return 0;
    Print(stderr,
          "quorvix-player: the running player did not answer; " + image + " was not opened\n");
    return 1;
}

// The disc image the player mounted, unmounted when another one is opened
// and at exit.
class TOpenedImage {
public:
    void Open(const QString& image) {
        if (Mounted && Mounted->Image() == image)
            return;
        if (Mounted) {
            Mounted.reset();
            // The watch must see that disc leave, or it would take the next one for it.
            if (MainForm->Timer2->isActive())
                MainForm->Timer2Timer();
        }
        Mounted = MountImage(image);
    }

private:
    std::unique_ptr<TImageMount> Mounted;
};

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
    const TCommandLine command = ParseCommandLine(Arguments(argc, argv));
    if (const auto answer = Answer(command))
        return *answer;
    LimitHeapArenas();
    PreferX11();
    if (!AcquireSingleInstance(InstanceName))
        return HandOver(command.Image);
    TApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C"); // the playback engine needs a C numeric locale
    QApplication::setQuitOnLastWindowClosed(false);
    TOpenedImage image; // unmounted after the windows, which may hold files on it

    CreateForms();
    MainForm->RestoreLoudness();
    QObject::connect(MainForm, &TMainForm::Closed, &app, &TApplication::EndProgram);
    ShowForms();
    if (const auto bus = SessionBus())
        new TMprisService(*bus, MainForm); // media keys and desktop player widgets
    const auto open = [&image](const QString& path) {
        if (!path.isEmpty())
            image.Open(path);
    };
    // Inside the message loop, where a failure is shown like any other.
    QTimer::singleShot(0, &app, [&] { open(command.Image); });
    QObject::connect(new TInstanceRequests(InstanceName, &app), &TInstanceRequests::Requested, &app,
                     [&](const QString& path) {
                         BringFormsForward();
                         open(path);
                     });
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
