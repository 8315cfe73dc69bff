#include "shell/Application.h"

#include "platform/Display.h"
#include "platform/EndSignals.h"
#include "platform/Exceptions.h"
#include "platform/ImageMount.h"
#include "platform/InstanceRequests.h"
#include "platform/ProcessMemory.h"
#include "platform/SessionBus.h"
#include "platform/SingleInstance.h"
#include "platform/Translations.h"
#include "player/Unit1.h"
#include "shell/CommandLine.h"
#include "shell/Forms.h"

#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QSessionManager>
#include <QTimer>

#include <clocale>
#include <cstdio>
#include <memory>
#include <optional>
#include <utility>

namespace {

const QString InstanceName = QStringLiteral("quorvix-player");

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
    if (SendToRunningInstance(InstanceName, image))
        return 0;
    const QString unanswered = QCoreApplication::translate(
        "Application",
        "a player is running already but does not answer (it may be stopped or hung)");
    if (image.isEmpty()) {
        Print(stderr, "quorvix-player: " + unanswered + "\n");
        return 0;
    }
    Print(stderr, "quorvix-player: " +
                      QCoreApplication::translate("Application", "%1; %2 was not opened")
                          .arg(unanswered, image) +
                      "\n");
    return 1;
}

// Where later starts reach this one; said once when they can't.
int TakeLaterStarts() {
    const TListening listening = ListenForLaterStarts(InstanceName);
    if (!listening.Problem.isEmpty())
        Print(stderr, "quorvix-player: " + listening.Problem + "\n");
    return listening.Descriptor;
}

// A logout, a shutdown or a closed terminal ends the program as Exit does.
// Nobody is left to dismiss a message box then: a failure is printed, and a
// box already open is closed so that the end does not wait for it.
void EndSessionsLikeExit(TEndSignals& ending) {
    QObject::connect(&ending, &TEndSignals::Received, MainForm, [] {
        SetExceptionReporter(
            [](const QString& text) { Print(stderr, "quorvix-player: " + text + "\n"); });
        MainForm->ExitBtnClick();
        if (QWidget* box = QApplication::activeModalWidget())
            box->close();
    });
    // The session manager asks before it ends the session; the program runs on.
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, MainForm,
                     [](QSessionManager&) { MainForm->SaveSession(); });
}

// The disc image the player mounted, unmounted when another one is opened
// and at exit. The mount service may take its time (it can ask the user to
// authenticate) while the player runs on: an image asked for meanwhile is
// opened next, and only the last one asked for.
class TOpenedImage {
public:
    void Open(const QString& image) {
        Next = image;
        if (Opening)
            return;
        Opening = true;
        Finally(
            [this] {
                while (!Next.isEmpty())
                    OpenNow(std::exchange(Next, QString()));
            },
            [this] {
                Opening = false;
                Next.clear();
            });
    }

private:
    // A failure is shown once, and the disc that was there stays.
    void OpenNow(const QString& image) {
        if (Mounted && Mounted->Image() == image)
            return;
        if (Mounted) {
            Mounted->Unmount();
            Mounted.reset();
            // The watch must see that disc leave (its clip pauses, its place
            // is kept), or it would take the next one for it.
            if (MainForm->Timer2->isActive())
                MainForm->Timer2Timer();
        }
        Mounted = MountImage(image);
    }

    std::unique_ptr<TImageMount> Mounted;
    QString Next;
    bool Opening = false;
};

} // namespace

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {
    SetDefaultExceptionReporter([this](const QString& text) { ShowInMessageBox(text); });
}

TApplication::~TApplication() {
    SetDefaultExceptionReporter({});
}

bool TApplication::notify(QObject* receiver, QEvent* event) {
    bool result = false;
    try {
        result = QApplication::notify(receiver, event);
    } catch (...) {
        ReportError(CurrentExceptionText());
    }
    // A message box still open runs its own loop, which exit() would end.
    if (EndRequested && !Reporting)
        QCoreApplication::exit(0);
    return result;
}

void TApplication::ShowInMessageBox(const QString& text) {
    Reporting = true;
    Finally(
        [&text] {
            QMessageBox::critical(QApplication::activeWindow(), QStringLiteral("Quorvix Player"),
                                  text);
        },
        [this] { Reporting = false; });
}

int RunQuorvixPlayer(int argc, char* argv[]) {
    TCommandLine command;
    int listening = -1;
    {
        // What is said before the windows is said in the user's language
        // too, without reaching for a display.
        QCoreApplication early(argc, argv);
        const TTranslations language;
        command = ParseCommandLine(Arguments(argc, argv));
        if (const auto answer = Answer(command))
            return *answer;
        LimitHeapArenas();
        PreferX11();
        if (!AcquireSingleInstance(InstanceName))
            return HandOver(command.Image);
        listening = TakeLaterStarts();
    }
    TApplication app(argc, argv);
    const TTranslations language;
    std::setlocale(LC_NUMERIC, "C"); // the playback engine needs a C numeric locale
    QApplication::setQuitOnLastWindowClosed(false);
    TEndSignals endSignals; // until the saves and the unmount at the end are done
    TOpenedImage image;     // unmounted after the windows, which may hold files on it
    auto* requests = new TInstanceRequests(listening, &app);

    // Start-up fails as an event does: the message is shown and the program
    // goes on, unless a window could not be made.
    const auto shown = [](const std::function<void()>& step) {
        try {
            step();
            return true;
        } catch (...) {
            ReportError(CurrentExceptionText());
            return false;
        }
    };
    if (!shown(CreateForms)) {
        DestroyForms();
        return 1;
    }
    shown([] { MainForm->RestoreLoudness(); });
    QObject::connect(MainForm, &TMainForm::Closed, &app, &TApplication::EndProgram);
    EndSessionsLikeExit(endSignals);
    shown(ShowForms);
    if (const auto bus = SessionBus())
        StartMprisService(*bus);
    const auto open = [&image](const QString& path) {
        if (!path.isEmpty())
            image.Open(path);
    };
    // Inside the message loop, where a failure is shown like any other.
    QTimer::singleShot(0, &app, [&] { open(command.Image); });
    QObject::connect(requests, &TInstanceRequests::Requested, &app, [&](const QString& path) {
        BringFormsForward();
        open(path);
    });
    const int result = QApplication::exec();
    DestroyForms();
    return result;
}
