#include "userlevel/UserDriver.h"

#include "userlevel/XConnection.h"

#include "platform/IniFile.h"
#include "support/SampleDisc.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <gtest/gtest.h>

#include <algorithm>
#include <exception>
#include <iostream>
#include <stdexcept>
#include <vector>

namespace {

constexpr int kPoll = 50; // ms between two looks at the screen or a file
const QString kWaylandSocket = QStringLiteral("wayland-quorvix");

[[noreturn]] void Fail(const QString& what) {
    throw std::runtime_error(what.toStdString());
}

void MakeFolder(const QString& path, QFile::Permissions permissions = {}) {
    if (!QDir().mkpath(path))
        Fail("cannot create " + path);
    if (permissions)
        QFile::setPermissions(path, permissions);
}

xcb_window_t Id(const QString& window) {
    return window.toUInt();
}

// The desktops' window managers, as each is started on a display of its own.
// Those of GNOME and Xfce want a session bus.
struct TWindowManagerStart {
    QString Program;
    QStringList Arguments;
    bool NeedsSessionBus;
};
const std::vector<TWindowManagerStart> kWindowManagers = {
    {"openbox", {"--sm-disable"}, false},
    {"mutter", {"--x11", "--replace", "--sm-disable"}, true},
    {"xfwm4", {"--replace", "--compositor=off"}, true},
    {"metacity", {"--replace"}, true},
    {"kwin_x11", {"--replace"}, true},
};

} // namespace

bool Near(QRgb a, QRgb b, int tolerance) {
    return std::abs(qRed(a) - qRed(b)) <= tolerance &&
           std::abs(qGreen(a) - qGreen(b)) <= tolerance &&
           std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

bool TUserSession::WaitUntil(const std::function<bool()>& condition, int timeoutMs) {
    QElapsedTimer waited;
    waited.start();
    while (!condition()) {
        if (waited.elapsed() > timeoutMs)
            return false;
        QThread::msleep(kPoll);
    }
    return true;
}

TUserSession::TUserSession(const QString& name, SampleDiscKind kind) : Name(name), Kind(kind) {
    Root = std::make_unique<QTemporaryDir>(QDir::temp().filePath("qv-userlevel-XXXXXX"));
    if (!Root->isValid())
        Fail("no temporary folder");
    Home = Root->path();
    ArtifactsDir = Home + "/artifacts";
    for (const char* sub : {"home", "config", "data", "work", "artifacts"})
        MakeFolder(Home + '/' + sub);
    MakeFolder(Home + "/runtime", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    // The server tells its display number on the descriptor given: stdout.
    // A black desktop (-br), so that any window shows against it.
    Server = std::make_unique<QProcess>();
    Server->setStandardErrorFile(ArtifactsDir + "/xvfb.log");
    Server->start("Xvfb", {"-displayfd", "1", "-screen", "0", "1280x1024x24", "-br", "-noreset",
                           "-nolisten", "tcp"});
    if (!Server->waitForStarted() ||
        !WaitUntil([this] { return Server->canReadLine() || Server->waitForReadyRead(kPoll); },
                   15000))
        Fail("Xvfb did not start");
    Display = ':' + QString::fromLatin1(Server->readLine()).trimmed();
    X = std::make_unique<TXConnection>(Display);

    StartWindowManager(qEnvironmentVariable("QV_USERLEVEL_WM"));
}

void TUserSession::StartWindowManager(const QString& name) {
    if (name.isEmpty() || name == "none")
        return;
    const auto known =
        std::find_if(kWindowManagers.begin(), kWindowManagers.end(),
                     [&](const TWindowManagerStart& wm) { return wm.Program == name; });
    if (known == kWindowManagers.end())
        Fail("QV_USERLEVEL_WM names no window manager known here: " + name);
    QProcessEnvironment env = Environment();
    if (known->NeedsSessionBus) {
        SessionBus = std::make_unique<QProcess>();
        SessionBus->start("dbus-daemon", {"--session", "--nofork", "--print-address=1"});
        if (!SessionBus->waitForStarted() ||
            !WaitUntil(
                [this] { return SessionBus->canReadLine() || SessionBus->waitForReadyRead(kPoll); },
                15000))
            Fail("no session bus for " + name);
        env.insert("DBUS_SESSION_BUS_ADDRESS",
                   QString::fromLatin1(SessionBus->readLine()).trimmed());
    }
    // Its toolkit's own accessibility bus would become the display's
    // (AT_SPI_BUS on the root window), in place of the test's.
    env.insert("NO_AT_BRIDGE", "1");
    WindowManagerCalled = name;
    WindowManager = std::make_unique<QProcess>();
    WindowManager->setProcessEnvironment(env);
    const QString log = ArtifactsDir + '/' + name + ".log";
    WindowManager->setStandardOutputFile(log);
    WindowManager->setStandardErrorFile(log, QIODevice::Append);
    WindowManager->start(known->Program, known->Arguments);
    const bool running = WaitUntil([this] { return X->WindowManagerRunning(); }, 20000);
    if (!running)
        Fail(name + " did not start");
}

TUserSession::~TUserSession() {
    // A driver step that throws is a failure too, recorded only after this.
    const bool failed = ::testing::Test::HasFailure() || std::uncaught_exceptions() > 0;
    try {
        if (failed)
            Shot("at-failure");
    } catch (const std::exception&) {
        // The screen could not be read; the program's output is still kept.
    }
    if (Program && Program->state() != QProcess::NotRunning) {
        Program->kill();
        Program->waitForFinished();
    }
    for (QProcess* helper : {WindowManager.get(), SessionBus.get(), Compositor.get()}) {
        if (helper) {
            helper->terminate();
            helper->waitForFinished(3000);
        }
    }
    X.reset();
    Server->terminate();
    Server->waitForFinished(3000);
    Disc.reset();
    // What a failure leaves behind is kept (or all, with QV_USERLEVEL_KEEP=1).
    if (failed || qEnvironmentVariableIsSet("QV_USERLEVEL_KEEP")) {
        const QString kept = QDir::temp().filePath(
            "qv-userlevel-" + Name + '-' + (UnderWindowManager() ? WindowManagerCalled : "nowm"));
        QDir(kept).removeRecursively();
        QDir().rename(ArtifactsDir, kept);
        std::cout << "user-level screenshots and program output: " << kept.toStdString()
                  << std::endl;
    }
}

QProcessEnvironment TUserSession::Environment() const {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("DISPLAY", Display);
    env.insert("HOME", Home + "/home");
    env.insert("XDG_CONFIG_HOME", Home + "/config");
    env.insert("XDG_DATA_HOME", Home + "/data");
    env.insert("XDG_RUNTIME_DIR", Home + "/runtime");
    env.insert("QT_QPA_PLATFORM", "xcb");
    env.remove("WAYLAND_DISPLAY");
    if (Compositor) {
        env.remove("QT_QPA_PLATFORM");
        env.insert("WAYLAND_DISPLAY", kWaylandSocket);
        env.insert("XDG_SESSION_TYPE", "wayland");
        env.insert("XDG_CURRENT_DESKTOP", "KDE");
    }
    env.remove("XAUTHORITY");
    for (const char* chooser : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
        env.remove(chooser);
    env.insert("LANG", Locale);
    // Images are mounted with fuseiso here, whatever services the machine runs.
    env.insert("DBUS_SYSTEM_BUS_ADDRESS", "unix:path=" + Home + "/no-system-bus");
    return env;
}

void TUserSession::StartWaylandDesktop() {
    Compositor = std::make_unique<QProcess>();
    Compositor->setProcessEnvironment(Environment());
    Compositor->setStandardOutputFile(ArtifactsDir + "/weston.log");
    Compositor->setStandardErrorFile(ArtifactsDir + "/weston.log", QIODevice::Append);
    Compositor->start(
        "weston", {"--backend=headless-backend.so", "--socket=" + kWaylandSocket, "--idle-time=0"});
    const QString socket = RuntimeDir() + '/' + kWaylandSocket;
    if (!WaitUntil([&] { return QFileInfo(socket).exists(); }, 15000))
        Fail("weston did not start");
}

QString TUserSession::Run(const QString& program, const QStringList& arguments) const {
    QProcess process;
    process.setProcessEnvironment(Environment());
    process.start(program, arguments);
    if (!process.waitForFinished(20000))
        Fail(program + " did not finish: " + process.errorString());
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

QString TUserSession::SettingsFile() const {
    return Home + "/config/quorvix-player/" + SampleDisc(1, Kind).IniFileName + ".ini";
}

void TUserSession::SetWorkDir(int volume, const QString& folder) {
    MakeFolder(Home + "/config/quorvix-player");
    QFile file(SettingsFile());
    if (!file.open(QIODevice::Append))
        Fail("cannot write " + SettingsFile());
    file.write(QString("[Volume%1]\r\nWorkDir=%2\r\n").arg(volume).arg(folder).toUtf8());
}

void TUserSession::SetPlayerSetting(const QByteArray& key, const QByteArray& value) {
    MakeFolder(Home + "/config/quorvix-player");
    TIniFile(Home + "/config/quorvix-player/quorvix-player.ini").WriteString("Player", key, value);
}

void TUserSession::InsertDisc(int volume) {
    if (!QFile::exists(SettingsFile()))
        SetWorkDir(volume, WorkDir());
    InsertImage(SampleDisc(volume, Kind).Iso);
}

void TUserSession::InsertImage(const QString& iso) {
    Disc = std::make_unique<FuseIsoMount>(iso);
}

QString TUserSession::SetUpDiscInDrive() const {
    return Run(QV_DISC_SETUP, {DiscFolder()});
}

void TUserSession::EjectDisc() {
    Disc.reset();
}

QString TUserSession::DiscFolder() const {
    return Disc ? Disc->MountPoint() : QString();
}

QString TUserSession::InstallProgram() {
    const QString folder = Home + "/program";
    MakeFolder(folder);
    const QString copy = folder + "/" + QFileInfo(ProgramPath).fileName();
    if (!QFile::copy(ProgramPath, copy))
        Fail("cannot copy the program to " + folder);
    ProgramPath = copy;
    return folder;
}

void TUserSession::StartPlayer(const QStringList& arguments) {
    Windows.clear(); // those of an earlier run are gone
    Program = std::make_unique<QProcess>();
    Program->setProcessEnvironment(Environment());
    Program->setStandardOutputFile(ArtifactsDir + "/player.log");
    Program->setStandardErrorFile(ArtifactsDir + "/player.log", QIODevice::Append);
    Program->start(ProgramPath, arguments);
    if (!Program->waitForStarted())
        Fail("the player did not start");
    if (!WaitForWindow(
            MainRole, [](const TWindowState& s) { return s.Viewable; }, 20000))
        Fail("the bar did not appear");
}

void TUserSession::StartAuthor() {
    Windows.clear();
    Program = std::make_unique<QProcess>();
    Program->setProcessEnvironment(Environment());
    Program->setStandardOutputFile(ArtifactsDir + "/author.log");
    Program->setStandardErrorFile(ArtifactsDir + "/author.log", QIODevice::Append);
    Program->start(QV_AUTHOR, {});
    if (!Program->waitForStarted())
        Fail("the author's program did not start");
    if (!WaitForWindow(
            AuthorRole, [](const TWindowState& s) { return s.Viewable; }, 20000))
        Fail("the author's window did not appear");
}

void TUserSession::KillProgram() {
    if (!Program)
        return;
    Program->kill();
    Program->waitForFinished(10000);
}

std::unique_ptr<QProcess> TUserSession::StartSecondPlayer(const QStringList& arguments) const {
    auto second = std::make_unique<QProcess>();
    second->setProcessEnvironment(Environment());
    second->start(ProgramPath, arguments);
    return second;
}

bool TUserSession::WaitForExit(int timeoutMs) {
    return Program->waitForFinished(timeoutMs);
}

bool TUserSession::Maps(const QString& library) const {
    QFile maps(QString("/proc/%1/maps").arg(Program->processId()));
    if (!maps.open(QIODevice::ReadOnly))
        Fail("cannot read " + maps.fileName());
    return QString::fromLocal8Bit(maps.readAll()).contains(library);
}

QString TUserSession::RoleOf(const QString& window) const {
    return X->Role(Id(window));
}

QStringList TUserSession::ProgramWindows() const {
    QStringList ids;
    if (Program)
        for (const xcb_window_t window : X->WindowsOf(uint32_t(Program->processId())))
            ids << QString::number(window);
    return ids;
}

QString TUserSession::Window(const QString& role) const {
    if (const auto known = Windows.find(role); known != Windows.end())
        return known->second;
    for (const QString& id : ProgramWindows()) {
        if (RoleOf(id) == role) {
            Windows[role] = id;
            return id;
        }
    }
    return {};
}

TWindowState TUserSession::State(const QString& role) const {
    TWindowState state;
    const QString id = Window(role);
    if (id.isEmpty())
        return state;
    state.Client = X->Geometry(Id(id));
    state.Viewable = X->Viewable(Id(id));
    state.Frame = state.Client.marginsAdded(X->FrameExtents(Id(id)));
    state.Name = X->Name(Id(id));
    return state;
}

void TUserSession::RaiseWindow(const QString& role) const {
    X->Raise(Id(Window(role)));
}

void TUserSession::MinimizeWindow(const QString& role) const {
    const xcb_window_t window = Id(Window(role));
    X->Iconify(window);
    if (!WaitUntil([&] { return X->Iconic(window) || !X->Viewable(window); }, 5000))
        Fail("the window manager did not iconify " + role);
}

bool TUserSession::CanMinimize(const QString& role) const {
    return X->Allows(Id(Window(role)), "_NET_WM_ACTION_MINIMIZE");
}

bool TUserSession::HasKeyboard(const QString& window) const {
    // The window manager too must know, or it may hand the keyboard back on the next click.
    return X->KeyboardOn(Id(window)) && (!UnderWindowManager() || X->Active(Id(window)));
}

void TUserSession::Focus(const QString& role) const {
    const QString window = Window(role);
    X->SetFocus(Id(window));
    if (!WaitUntil([&] { return HasKeyboard(window); }, 5000))
        Fail(role + " did not take the keyboard");
}

bool TUserSession::WaitForFocus(const QString& window, int timeoutMs) const {
    return !window.isEmpty() && WaitUntil([&] { return HasKeyboard(window); }, timeoutMs);
}

QString TUserSession::WindowWithoutRole(const std::function<bool(const QString&)>& named) const {
    for (const QString& id : ProgramWindows()) {
        if (RoleOf(id).isEmpty() && named(X->Name(Id(id))) && X->Viewable(Id(id)))
            return id;
    }
    return {};
}

QString TUserSession::MessageBox() const {
    return WindowWithoutRole([](const QString& name) { return name == "Quorvix Player"; });
}

QString TUserSession::Title(const QString& window) const {
    return X->Name(Id(window));
}

QString TUserSession::Dialog() const {
    // The video engine's own window bears the program's file name.
    return WindowWithoutRole([](const QString& name) {
        return name != "Quorvix Player" && name != "Quorvix_Player" && !name.isEmpty();
    });
}

bool TUserSession::WaitForWindow(const QString& role,
                                 const std::function<bool(const TWindowState&)>& ready,
                                 int timeoutMs) const {
    return WaitUntil([&] { return ready(State(role)); }, timeoutMs);
}

void TUserSession::MoveTo(QPoint screen) const {
    X->MovePointer(screen);
}

void TUserSession::Press(int button) const {
    X->Button(button, true);
}

void TUserSession::Release(int button) const {
    X->Button(button, false);
    // Until the click has reached the program, so that keys sent next come after it.
    if (!WaitUntil([&] { return !X->ButtonDown(button); }, 5000))
        Fail("the pointer stayed frozen after a click");
}

void TUserSession::Click(QPoint screen, int button, int count) const {
    // Clicks of a double click apart as a hand makes them, within the double-click time.
    constexpr int kBetweenClicks = 80;
    MoveTo(screen);
    for (int i = 0; i < count; ++i) {
        if (i > 0)
            QThread::msleep(kBetweenClicks);
        Press(button);
        Release(button);
    }
}

QPoint TUserSession::At(const QString& role, QPoint local) const {
    return State(role).Client.topLeft() + local;
}

void TUserSession::Key(const QString& keys) const {
    X->Key(keys);
}

void TUserSession::Type(const QString& text) const {
    X->Type(text);
}

QString TUserSession::WindowNamed(const QString& name) const {
    return WindowWithoutRole([&](const QString& named) { return named == name; });
}

QImage TUserSession::Screen() const {
    return X->Image(X->ScreenRect());
}

QImage TUserSession::Shot(const QString& name) const {
    const QImage image = Screen();
    image.save(
        QString("%1/%2-%3.png").arg(ArtifactsDir).arg(++ShotCount, 2, 10, QChar('0')).arg(name));
    return image;
}

QRgb TUserSession::Pixel(QPoint screen) const {
    return X->Image(QRect(screen, QSize(1, 1))).pixel(0, 0);
}

QImage TUserSession::Area(const QRect& screen) const {
    return X->Image(screen);
}

bool TUserSession::Changing(const QRect& screen, int timeoutMs) const {
    const QImage first = Area(screen);
    return WaitUntil([&] { return Area(screen) != first; }, timeoutMs);
}

bool TUserSession::Still(const QRect& screen, int timeoutMs) const {
    // Longer than a frame of the sample clips and a tick of the position poll.
    constexpr int kStillFor = 1200;
    QImage last = Area(screen);
    QElapsedTimer since;
    since.start();
    return WaitUntil(
        [&] {
            const QImage now = Area(screen);
            if (now != last) {
                last = now;
                since.restart();
            }
            return since.elapsed() >= kStillFor;
        },
        timeoutMs);
}
