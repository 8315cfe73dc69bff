#pragma once
// Drives the real program as a person would: an X server of its own (and the
// window manager QV_USERLEVEL_WM names: openbox, mutter, xfwm4, metacity or
// kwin_x11), the sample disc in a drive of its own, pointer and keys through
// XTest, windows and pixels read from the X server over one connection.
// Nothing waits a fixed time: every wait has a deadline.

#include "support/SampleDisc.h"

#include <QImage>
#include <QProcess>
#include <QRect>
#include <QString>
#include <QTemporaryDir>

#include <functional>
#include <map>
#include <memory>

class FuseIsoMount;
class TXConnection;

// The program's windows, by the role each one announces.
inline const QString MainRole = QStringLiteral("TMainForm");
inline const QString CatalogRole = QStringLiteral("TCatForm2");
inline const QString VideoRole = QStringLiteral("TVidOutForm");
inline const QString CaptionRole = QStringLiteral("TCaptionForm");
inline const QString AuthorRole = QStringLiteral("TAuthorForm"); // quorvix-author's window

// Places on the bar, in its client coordinates.
namespace Bar {
inline const QPoint BareSkin(440, 30);
inline const QPoint Play(543, 52);
inline const QPoint Pause(543, 29);
inline const QPoint Stop(543, 75);
inline const QPoint Previous(518, 52);
inline const QPoint Next(568, 52);
inline const QPoint Catalog(490, 22);
inline const QPoint Repeat(301, 71);
inline const QPoint Random(347, 71);
inline const QPoint PlayAllFile(389, 71);
inline const QPoint OriginalSize(476, 49);
inline const QPoint FullScreen(476, 68);
inline const QPoint Hide(593, 11);
inline const QPoint Exit(611, 11);
inline const QPoint TestPlayerFile(615, 74);
inline const QPoint CustomLoader(615, 58);
inline const QPoint SavePos(307, 13);
inline const QPoint StartMark(347, 13);
inline const QPoint EndMark(374, 13);
inline const QPoint EndToStart(424, 13);
inline const QRect StateWord(26, 44, 42, 13);
inline const QRect Elapsed(166, 44, 44, 13);
inline const QRect Gauge(10, 75, 260, 3);
inline const QPoint VolumeUp(258, 43);
inline const QPoint VolumeDown(258, 65);
inline const QPoint Mute(258, 54);
inline const QRect VolumeKnobTrack(290, 40, 150, 24);
inline const QPoint VolumeKnobTop(427, 52); // the knob's middle at full loudness
} // namespace Bar

// Rows of the catalog tree (client coordinates of the catalog window): the
// first group is open, its entries below it.
namespace Tree {
inline constexpr int FirstRowY = 127;
inline constexpr int RowHeight = 14;
inline QPoint RowTitle(int row) {
    return {95, FirstRowY + row * RowHeight};
}
inline QPoint RowCheckBox(int row) {
    return {42, FirstRowY + row * RowHeight};
}
} // namespace Tree

struct TWindowState {
    QRect Client; // screen coordinates
    QRect Frame;  // with the window manager's frame; the client rect without one
    bool Viewable = false;
    QString Name;
};

class TUserSession {
public:
    // Starts the X server (and the window manager) and prepares private HOME
    // and XDG folders. After a failure (or always, with QV_USERLEVEL_KEEP=1)
    // the screenshots and the program's output stay in
    // /tmp/qv-userlevel-<name>-nowm or -<window manager>, and the path is printed.
    // The discs inserted are sample discs of the given kind.
    explicit TUserSession(const QString& name, SampleDiscKind kind = SampleDiscKind::Sample);
    ~TUserSession();

    bool UnderWindowManager() const { return WindowManager != nullptr; }
    QString WorkDir() const { return Home + "/work"; }
    QString RuntimeDir() const { return Home + "/runtime"; } // the player's XDG_RUNTIME_DIR
    QString SettingsFile() const; // the per-user settings of the sample disc

    // The sample disc of that volume in the drive; WorkDir set up for it as an
    // installer would.
    void InsertDisc(int volume = 1);
    // A disc image in the drive, with nothing set up for it.
    void InsertImage(const QString& iso);
    // Runs quorvix-disc-setup on the disc in the drive; its output.
    QString SetUpDiscInDrive() const;
    QString DataHome() const { return Home + "/data"; } // $XDG_DATA_HOME
    void EjectDisc();
    QString DiscFolder() const; // where the disc in the drive is mounted
    void SetWorkDir(int volume, const QString& folder);
    // From now on the program starts as on a Wayland desktop (KDE's, where Qt
    // would pick Wayland itself): a compositor of its own, headless, and the
    // session's variables, with the X server as XWayland.
    void StartWaylandDesktop();
    // A key of the "[Player]" section of the program's own settings.
    void SetPlayerSetting(const QByteArray& key, const QByteArray& value);
    // From now on the program starts on a desktop in this locale (LANG, with
    // no LANGUAGE or LC_* beside it); C.UTF-8 until then.
    void SetLanguage(const QString& locale) { Locale = locale; }

    // A copy of the program in a folder of the session, for what it writes
    // beside itself; started from there from now on. Returns that folder.
    QString InstallProgram();
    void StartPlayer(const QStringList& arguments = {}); // and waits for the bar
    std::unique_ptr<QProcess> StartSecondPlayer(const QStringList& arguments = {}) const;
    bool WaitForExit(int timeoutMs); // the program ended
    // The disc author's program (no arguments: its window) instead of the
    // player, waiting for its window; StartPlayer starts the player again.
    void StartAuthor();
    // Ends the program as the desktop would end a hung one.
    void KillProgram();
    // Whether a library whose file name holds the text is mapped into the program.
    bool Maps(const QString& library) const;
    QProcess& Player() { return *Program; }

    // Windows.
    QString Window(const QString& role) const; // id, empty when none
    TWindowState State(const QString& role) const;
    bool WaitForWindow(const QString& role, const std::function<bool(const TWindowState&)>& ready,
                       int timeoutMs = 10000) const;

    // What a user does with a window through the desktop.
    void RaiseWindow(const QString& role) const;
    void MinimizeWindow(const QString& role) const; // iconifies it, under a window manager
    // The window manager offers to iconify the window (mutter doesn't for tool windows).
    bool CanMinimize(const QString& role) const;
    // Gives the window the keyboard, as a window manager does on a click;
    // without one, X leaves the keyboard where it was.
    void Focus(const QString& role) const;
    // Until the window (an id, as Window(), Dialog() and MessageBox() give)
    // has the keyboard, and under a window manager is the active window: a
    // window just shown may take it only after its first paint, and keys sent
    // before that go to the window that had it. False at the deadline.
    bool WaitForFocus(const QString& window, int timeoutMs = 5000) const;

    // A message box of the program (title "Quorvix Player", no role of its
    // own); its id, or empty while there is none.
    QString MessageBox() const;
    // Any other window of the program without a role (a file dialog).
    QString Dialog() const;
    QString Title(const QString& window) const; // the window's name, by id

    // Pointer and keyboard.
    void MoveTo(QPoint screen) const;
    void Press(int button = 1) const;
    void Release(int button = 1) const;
    void Click(QPoint screen, int button = 1, int count = 1) const;
    // A point in a window's client area.
    QPoint At(const QString& role, QPoint local) const;
    void Key(const QString& keys) const;  // X key names joined by '+', e.g. "ctrl+d"
    void Type(const QString& text) const; // any printable text, Cyrillic too
    // A window of the program without a role, by its exact name; empty while none.
    QString WindowNamed(const QString& name) const;

    // Screen.
    QImage Screen() const;
    QImage Shot(const QString& name) const; // kept with the program's output
    QRgb Pixel(QPoint screen) const;
    // The screen area, to compare it later.
    QImage Area(const QRect& screen) const;

    // The screen area changes (a picture plays) / stays the same for a while
    // (nothing plays); false at the deadline.
    bool Changing(const QRect& screen, int timeoutMs = 5000) const;
    bool Still(const QRect& screen, int timeoutMs = 6000) const;

    // Waits until the condition holds; false at the deadline.
    static bool WaitUntil(const std::function<bool()>& condition, int timeoutMs);

private:
    void StartWindowManager(const QString& name); // none for an empty name
    QString Run(const QString& program, const QStringList& arguments) const;
    QProcessEnvironment Environment() const;
    QStringList ProgramWindows() const;
    QString RoleOf(const QString& window) const;
    bool HasKeyboard(const QString& window) const;
    QString WindowWithoutRole(const std::function<bool(const QString&)>& named) const;

    QString Name;
    SampleDiscKind Kind;
    QString Home;
    QString ProgramPath = QV_PLAYER;
    QString ArtifactsDir;
    QString Display;
    QString Locale = QStringLiteral("C.UTF-8");
    std::unique_ptr<QTemporaryDir> Root;
    std::unique_ptr<QProcess> Server;
    std::unique_ptr<TXConnection> X;
    std::unique_ptr<QProcess> WindowManager;
    QString WindowManagerCalled;
    std::unique_ptr<QProcess> SessionBus; // the window manager's
    std::unique_ptr<QProcess> Compositor;
    std::unique_ptr<QProcess> Program;
    std::unique_ptr<FuseIsoMount> Disc;
    mutable int ShotCount = 0;
    mutable std::map<QString, QString> Windows; // role to window id
};

// Colour distance small enough to call two pixels the same colour.
bool Near(QRgb a, QRgb b, int tolerance = 24);
