// The desktop's services and clients of the running player, over a session
// bus of the test's own: playerctl for the media keys, a screen saver that
// records what is asked of it, and a screen reader's view of the bar.
#include "support/FileBytes.h"
#include "support/PrivateBus.h"
#include "support/SampleDisc.h"
#include "userlevel/UserDriver.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <gtest/gtest.h>

#include <utility>

namespace {

const QString AtSpiBusLauncher = QStringLiteral("/usr/libexec/at-spi-bus-launcher");
// The system's Python, which python3-pyatspi extends, whatever else is on PATH.
const QString SystemPython = QStringLiteral("/usr/bin/python3");

QString AtSpiUnavailableReason() {
    if (!QFile::exists(AtSpiBusLauncher))
        return "no AT-SPI bus launcher: at-spi2-core is missing";
    QProcess python;
    python.start(SystemPython, {"-c", "import pyatspi"});
    if (!python.waitForFinished(20000) || python.exitCode() != 0)
        return "no pyatspi: python3-pyatspi is missing";
    return {};
}

// The accessibility bus on the session bus, and the bar as a screen reader
// finds it there (tests/userlevel/atspi_bar.py).
class AtSpiBar {
public:
    explicit AtSpiBar(const QString& busAddress) {
        Environment.insert("DBUS_SESSION_BUS_ADDRESS", busAddress);
        Launcher.setProcessEnvironment(Environment);
        Launcher.start(AtSpiBusLauncher, {"--launch-immediately"});
    }
    ~AtSpiBar() {
        Launcher.terminate();
        if (!Launcher.waitForFinished(5000))
            Launcher.kill();
    }
    AtSpiBar(const AtSpiBar&) = delete;
    AtSpiBar& operator=(const AtSpiBar&) = delete;

    // The script's exit status (1: no such control yet) and output.
    std::pair<int, QString> Run(const QString& command, const QString& name) const {
        QProcess script;
        script.setProcessEnvironment(Environment);
        script.start(SystemPython, {QV_SOURCE_DIR "/tests/userlevel/atspi_bar.py", command, name});
        if (!script.waitForFinished(30000))
            return {-1, script.errorString()};
        return {script.exitCode(), QString::fromUtf8(script.readAllStandardOutput()).trimmed()};
    }
    bool Reads(const QString& label) const { return Run("label", label).first == 0; }

private:
    QProcessEnvironment Environment = QProcessEnvironment::systemEnvironment();
    QProcess Launcher;
};

// The desktop's screen saver, on the same bus: the screen stays awake while
// a clip plays, and only then.
TEST(MediaKeys, PlayerctlDrivesTheRunningPlayerAndQuitEndsIt) {
    PrivateSessionBus bus;
    ASSERT_FALSE(bus.Address().isEmpty()) << "no dbus-daemon";
    const QString screenSaver = "org.freedesktop.ScreenSaver";
    MockBusService saver(bus.Address(), screenSaver, "/org/freedesktop/ScreenSaver", screenSaver);
    ASSERT_TRUE(saver.Running()) << "python3-dbusmock did not start";
    ASSERT_TRUE(saver.AddMethod("Inhibit", "ss", "u", "ret = 42"));
    ASSERT_TRUE(saver.AddMethod("UnInhibit", "u", ""));
    const auto lastCall = [&] { return saver.Calls().value(saver.Calls().size() - 1); };
    const QString inhibit = R"(Inhibit "Quorvix Player" "Playing a clip")";
    const QString unInhibit = "UnInhibit 42";
    const QByteArray savedAddress = qgetenv("DBUS_SESSION_BUS_ADDRESS");
    qputenv("DBUS_SESSION_BUS_ADDRESS", bus.Address().toUtf8());
    TUserSession user("mediakeys");
    user.InsertDisc();
    user.StartPlayer();
    qputenv("DBUS_SESSION_BUS_ADDRESS", savedAddress);

    const auto status = [&] { return bus.Playerctl({"status"}, true); };
    const auto title = [&] { return bus.Playerctl({"metadata", "title"}); };
    ASSERT_TRUE(TUserSession::WaitUntil([&] { return status() == "Playing"; }, 15000));
    // The title is the playing entry's, as the caption strip shows it.
    const auto shown = [&] { return user.State(CaptionRole).Name; };
    ASSERT_TRUE(TUserSession::WaitUntil([&] { return title() == shown(); }, 5000))
        << title().toStdString() << " / " << shown().toStdString();
    EXPECT_TRUE(TUserSession::WaitUntil([&] { return lastCall() == inhibit; }, 5000))
        << "playing, yet the screen may blank";
    const QString first = title();
    EXPECT_NE(first, "Current Name");
    bus.Playerctl({"next"});
    EXPECT_TRUE(TUserSession::WaitUntil([&] { return shown() != first; }, 5000));
    EXPECT_TRUE(TUserSession::WaitUntil([&] { return title() == shown(); }, 5000));
    bus.Playerctl({"play-pause"});
    EXPECT_TRUE(TUserSession::WaitUntil([&] { return status() == "Paused"; }, 5000));
    EXPECT_TRUE(TUserSession::WaitUntil([&] { return lastCall() == unInhibit; }, 5000))
        << "paused, yet the screen is kept awake";
    bus.Playerctl({"play"});
    EXPECT_TRUE(TUserSession::WaitUntil([&] { return lastCall() == inhibit; }, 5000));
    bus.Playerctl({"stop"});
    EXPECT_TRUE(TUserSession::WaitUntil([&] { return lastCall() == unInhibit; }, 5000));
    const qsizetype callsWhenStopped = saver.Calls().size();
    EXPECT_FALSE(
        TUserSession::WaitUntil([&] { return saver.Calls().size() > callsWhenStopped; }, 2000))
        << "stopped, yet the screen saver was asked: " << lastCall().toStdString();
    bus.Playerctl({"play"});
    EXPECT_TRUE(TUserSession::WaitUntil([&] { return lastCall() == inhibit; }, 5000));

    // Repeat and Random are the bar's buttons: what the bar shows changes.
    const QRect playOrder(user.At(MainRole, {287, 61}), QSize(75, 21));
    const QImage bothUp = user.Area(playOrder);
    bus.Playerctl({"loop", "Track"});
    EXPECT_TRUE(TUserSession::WaitUntil([&] { return bus.Playerctl({"loop"}) == "Track"; }, 5000));
    const QImage repeatDown = user.Area(playOrder);
    EXPECT_NE(repeatDown, bothUp) << "Repeat Current is not shown pressed";
    bus.Playerctl({"shuffle", "On"});
    EXPECT_TRUE(TUserSession::WaitUntil([&] { return bus.Playerctl({"shuffle"}) == "On"; }, 5000));
    EXPECT_EQ(bus.Playerctl({"loop"}), "None") << "Random releases Repeat Current";
    const QImage randomDown = user.Area(playOrder);
    EXPECT_NE(randomDown, bothUp);
    EXPECT_NE(randomDown, repeatDown);
    bus.Playerctl({"shuffle", "Off"});
    EXPECT_TRUE(TUserSession::WaitUntil([&] { return user.Area(playOrder) == bothUp; }, 5000));

    // Quit is Exit: the favourites and the settings are written on the way out.
    const QString favourites = user.WorkDir() + "/Favorites.lst";
    QFile::remove(favourites);
    QFile::remove(user.SettingsFile());

    QDBusConnection client = QDBusConnection::connectToBus(bus.Address(), "mediakeys");
    client.call(QDBusMessage::createMethodCall("org.mpris.MediaPlayer2.quorvix_player",
                                               "/org/mpris/MediaPlayer2", "org.mpris.MediaPlayer2",
                                               "Quit"));
    EXPECT_TRUE(user.WaitForExit(10000)) << "Quit is the Exit button";
    EXPECT_EQ(user.Player().exitCode(), 0);
    EXPECT_EQ(lastCall(), unInhibit) << "the screen was left inhibited at exit";
    EXPECT_EQ(ReadAll(favourites).count("\r\n"), 9) << "no favourites written at Quit";
    EXPECT_TRUE(ReadAll(user.SettingsFile()).contains("FavFileName=")) << "no settings at Quit";
    QDBusConnection::disconnectFromBus("mediakeys");
}

// What the program says in the locale, as its translations (or Qt's own,
// for Qt's dialogs) have it; the English text where there is none.
QString Said(const QString& locale, const char* context, const char* text, bool qtOwn = false) {
    QTranslator translator;
    const QLocale language(locale.section('.', 0, 0));
    const bool loaded = qtOwn ? translator.load(language, "qtbase", "_",
                                                QLibraryInfo::path(QLibraryInfo::TranslationsPath))
                              : translator.load(language, "quorvix", "_", ":/i18n");
    const QString said = loaded ? translator.translate(context, text) : QString();
    return said.isEmpty() ? QString::fromUtf8(text) : said;
}

// Found by name and role in the desktop's language, Play plays; the knob's
// value falls with Volume Down. The state word on the screen is another
// than in English, and so is the title of the Save dialog.
QImage UseTheBarThroughAScreenReader(const QString& locale) {
    const auto said = [&](const char* text) { return Said(locale, "TMainForm", text); };
    PrivateSessionBus bus;
    EXPECT_FALSE(bus.Address().isEmpty()) << "no dbus-daemon";
    const AtSpiBar bar(bus.Address());
    const QByteArray savedAddress = qgetenv("DBUS_SESSION_BUS_ADDRESS");
    qputenv("DBUS_SESSION_BUS_ADDRESS", bus.Address().toUtf8());
    qputenv("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1");
    TUserSession user("atspi-" + locale.section('.', 0, 0));
    user.SetLanguage(locale);
    user.InsertDisc();
    user.StartPlayer();
    qputenv("DBUS_SESSION_BUS_ADDRESS", savedAddress);
    qunsetenv("QT_LINUX_ACCESSIBILITY_ALWAYS_ON");

    const std::string in = locale.toStdString();
    if (!TUserSession::WaitUntil([&] { return bar.Reads(said("Playing")); }, 30000)) {
        ADD_FAILURE() << in << ": the bar never read " << said("Playing").toStdString();
        return {};
    }
    const QPoint bar0 = user.State(MainRole).Client.topLeft();
    const QImage playing = user.Area(Bar::StateWord.translated(bar0));
    EXPECT_EQ(bar.Run("press", said("Stop")).first, 0) << in;
    EXPECT_TRUE(TUserSession::WaitUntil([&] { return bar.Reads(said("Stopped")); }, 10000)) << in;
    EXPECT_EQ(bar.Run("press", said("Play")).first, 0) << in;
    EXPECT_TRUE(TUserSession::WaitUntil([&] { return bar.Reads(said("Playing")); }, 10000)) << in;
    const QRect elapsed = Bar::Elapsed.translated(bar0);
    const QImage now = user.Area(elapsed);
    EXPECT_TRUE(TUserSession::WaitUntil([&] { return user.Area(elapsed) != now; }, 5000))
        << in << ": the elapsed time stands still";

    const auto volume = [&] { return bar.Run("value", said("Volume Control")).second.toDouble(); };
    const double before = volume();
    EXPECT_GT(before, 0.0) << in;
    EXPECT_EQ(bar.Run("press", said("Volume Down")).first, 0) << in;
    EXPECT_TRUE(TUserSession::WaitUntil([&] { return volume() < before; }, 5000)) << in;

    // The catalog's Save opens Qt's file dialog, titled in the same language.
    user.Click(user.At(CatalogRole, {116, 108}));
    EXPECT_TRUE(TUserSession::WaitUntil([&] { return !user.Dialog().isEmpty(); }, 5000)) << in;
    const QString saveAs = Said(locale, "QFileDialog", "Save As", true);
    EXPECT_TRUE(TUserSession::WaitUntil([&] { return user.Title(user.Dialog()) == saveAs; }, 5000))
        << in << ": the Save dialog is titled " << user.Title(user.Dialog()).toStdString()
        << ", not " << saveAs.toStdString();
    EXPECT_TRUE(user.WaitForFocus(user.Dialog())) << in;
    user.Shot("save-dialog");
    return playing;
}

TEST(DesktopScreenReader, FindsAndUsesTheBarInTheDesktopsLanguage) {
    QV_REQUIRE(AtSpiUnavailableReason());
    const QImage english = UseTheBarThroughAScreenReader("C.UTF-8");
    ASSERT_FALSE(english.isNull());
    for (const char* locale : {"ru_RU.UTF-8", "uk_UA.UTF-8"}) {
        EXPECT_NE(Said(locale, "TMainForm", "Play"), "Play") << locale << " is not shipped";
        EXPECT_NE(Said(locale, "QFileDialog", "Save As", true), "Save As")
            << "no Qt translation for " << locale;
        const QImage playing = UseTheBarThroughAScreenReader(locale);
        EXPECT_FALSE(playing.isNull());
        EXPECT_NE(playing, english) << locale << ": the bar shows the English state word";
    }
}

} // namespace
