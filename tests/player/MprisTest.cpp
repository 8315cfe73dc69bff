// The player on a session bus of the test's own: what QtDBus and playerctl
// see of the current entry, what they are told when it changes, and the bar's
// handlers doing what they ask.
#include "support/FormsFixture.h"
#include "support/PrivateBus.h"

#include "catalog/CatalogRecord.h"
#include "catalogwin/CatUnit2.h"
#include "platform/Exceptions.h"
#include "player/MprisService.h"
#include "player/Unit1.h"
#include "shell/Forms.h"
#include "skin/TMyFlatSpeedButtonUnit.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCall>
#include <QDBusVariant>
#include <QDir>
#include <QImage>
#include <QSignalSpy>
#include <QTest>
#include <QUrl>

#include <algorithm>
#include <limits>
#include <memory>
#include <optional>

namespace {

const QString Path = QStringLiteral("/org/mpris/MediaPlayer2");
const QString PlayerInterface = QStringLiteral("org.mpris.MediaPlayer2.Player");
const QString PropertiesInterface = QStringLiteral("org.freedesktop.DBus.Properties");
constexpr qlonglong Second = 1000000;

} // namespace

// What the client hears from the player.
class TBusListener : public QObject {
    Q_OBJECT
public:
    QList<QVariantMap> Changed; // PropertiesChanged, per signal
    QList<qlonglong> Seeks;

public slots:
    void PropertiesChanged(const QString& interface, const QVariantMap& changed,
                           const QStringList&) {
        if (interface == PlayerInterface)
            Changed << changed;
    }
    void Seeked(qlonglong position) { Seeks << position; }
};

namespace {

class MprisTest : public FormsTest {
protected:
    // One bus for all the tests.
    static void SetUpTestSuite() { Bus = new PrivateSessionBus; }
    static void TearDownTestSuite() { delete Bus; }

    void SetUp() override {
        FormsTest::SetUp();
        Address = Bus->Address();
        ASSERT_FALSE(Address.isEmpty()) << "no dbus-daemon";
        AddEntry(1, "First", "my clip", 0.0, 30.0);
        AddEntry(1, "Second", "my clip", 30.0, 90.0);
        AddEntry(2, "Third", "clip2", 0.0, 0.0);
        AddEntry(2, "Gone", "missing", 0.0, 0.0, false);
        SetShortString(Catalog[1].GroupName, "Not shown: the run is named by its first");
        QDir(ProgramDir.path()).mkpath("Pic");
        QImage picture(8, 8, QImage::Format_RGB32);
        picture.fill(Qt::red);
        ASSERT_TRUE(picture.save(ProgramDir.filePath("Pic/MY CLIP.jpg"), "JPG"));
        ShowCatalog();
        Service = StartMprisService(QDBusConnection::connectToBus(Address, "service"));
        ASSERT_TRUE(Service->Registered());
        Client =
            std::make_unique<QDBusConnection>(QDBusConnection::connectToBus(Address, "client"));
        Client->connect(TMprisService::ServiceName, Path, PropertiesInterface, "PropertiesChanged",
                        &Listener, SLOT(PropertiesChanged(QString, QVariantMap, QStringList)));
        Client->connect(TMprisService::ServiceName, Path, PlayerInterface, "Seeked", &Listener,
                        SLOT(Seeked(qlonglong)));
    }
    void TearDown() override {
        FormsTest::TearDown(); // the service goes with the main window
        Client.reset();
        QDBusConnection::disconnectFromBus("client");
        QDBusConnection::disconnectFromBus("service");
    }

    QDBusMessage CallOn(const QString& interface, const QString& method,
                        const QVariantList& arguments = {}) {
        QDBusMessage call =
            QDBusMessage::createMethodCall(TMprisService::ServiceName, Path, interface, method);
        call.setArguments(arguments);
        return Client->call(call, QDBus::BlockWithGui, 5000);
    }
    QDBusMessage Call(const QString& method, const QVariantList& arguments = {}) {
        return CallOn(PlayerInterface, method, arguments);
    }
    QVariant Get(const QString& name, const QString& interface = PlayerInterface) {
        const QDBusMessage reply = CallOn(PropertiesInterface, "Get", {interface, name});
        EXPECT_EQ(reply.type(), QDBusMessage::ReplyMessage) << reply.errorMessage().toStdString();
        return reply.arguments().value(0).value<QDBusVariant>().variant();
    }
    QVariantMap Metadata() { return qdbus_cast<QVariantMap>(Get("Metadata")); }
    QString TrackId() { return Metadata().value("mpris:trackid").value<QDBusObjectPath>().path(); }
    // A round trip over the bus: the player's earlier signals have come in.
    void Settle() {
        Get("PlaybackStatus");
        QCoreApplication::processEvents();
    }
    void ClearHeard() {
        Settle();
        Listener.Changed.clear();
        Listener.Seeks.clear();
    }

    static inline PrivateSessionBus* Bus = nullptr;
    QString Address;
    TMprisService* Service = nullptr;
    std::unique_ptr<QDBusConnection> Client;
    TBusListener Listener;
};

TEST_F(MprisTest, DescribesTheOpenEntryWithPositionsWithinItsSegment) {
    EXPECT_EQ(Get("PlaybackStatus").toString(), "Stopped");
    EXPECT_EQ(TrackId(), TMprisService::NoTrack);
    EXPECT_EQ(Metadata().size(), 1);
    EXPECT_FALSE(Get("CanPlay").toBool());
    EXPECT_FALSE(Get("CanSeek").toBool());
    EXPECT_EQ(Get("Identity", "org.mpris.MediaPlayer2").toString(), "Quorvix Player");

    PlayAndOpen(1);
    Player()->SetPosition(45.5);
    EXPECT_EQ(Get("PlaybackStatus").toString(), "Playing");
    QVariantMap metadata = Metadata();
    EXPECT_EQ(TrackId(), "/org/quorvix_player/Entry/1");
    EXPECT_EQ(metadata.value("xesam:title").toString(), "Second");
    EXPECT_EQ(metadata.value("xesam:album").toString(), "Group 1");
    EXPECT_EQ(metadata.value("mpris:length").toLongLong(), 60 * Second);
    EXPECT_EQ(metadata.value("mpris:artUrl").toString(),
              "file://" + ProgramDir.filePath("Pic/MY%20CLIP.jpg"))
        << "a URI, encoded";
    EXPECT_EQ(Get("Position").toLongLong(), 15500000);
    EXPECT_TRUE(Get("CanSeek").toBool());
    EXPECT_TRUE(Get("CanGoNext").toBool());

    PlayAndOpen(2); // no end mark and no picture
    Player()->SetDuration(42.0);
    metadata = Metadata();
    EXPECT_EQ(metadata.value("mpris:length").toLongLong(), 42 * Second) << "to the end of the file";
    EXPECT_EQ(metadata.value("xesam:album").toString(), "Group 2");
    EXPECT_FALSE(metadata.contains("mpris:artUrl"));

    for (int i = 0; i < 3; ++i)
        SetChecked(i, false);
    // Only the entry whose clip is missing is checked: Next would pass it over.
    EXPECT_FALSE(Get("CanGoNext").toBool());
    EXPECT_FALSE(Get("CanGoPrevious").toBool());
}

TEST_F(MprisTest, AnnouncesOnlyChangesAndPositionJumps) {
    PlayAndOpen(0);
    Service->Refresh();
    ClearHeard();
    Service->Refresh();
    Service->Refresh();
    Settle();
    EXPECT_TRUE(Listener.Changed.isEmpty()) << "an unchanged poll is silent";
    EXPECT_TRUE(Listener.Seeks.isEmpty());

    MainForm->PauseBtnClick(); // the bar, not the bus
    Service->Refresh();
    Service->Refresh();
    Settle();
    ASSERT_EQ(Listener.Changed.size(), 1);
    EXPECT_EQ(Listener.Changed[0], QVariantMap({{"PlaybackStatus", "Paused"}}));

    Player()->SetPosition(20.0); // a seek made elsewhere
    Service->Refresh();
    Service->Refresh();
    Settle();
    EXPECT_EQ(Listener.Seeks, QList<qlonglong>({20 * Second}));

    ClearHeard();
    MainForm->NextBtnClick(); // same file, further on: it plays from the entry's start
    Service->Refresh();
    Settle();
    ASSERT_EQ(Listener.Changed.size(), 1);
    EXPECT_EQ(Listener.Changed[0].value("PlaybackStatus").toString(), "Playing");
    EXPECT_EQ(qdbus_cast<QVariantMap>(Listener.Changed[0].value("Metadata"))
                  .value("xesam:title")
                  .toString(),
              "Second");
    EXPECT_TRUE(Listener.Seeks.isEmpty()) << "another entry is no seek";
}

TEST_F(MprisTest, TransportCommandsAreTheBarsButtons) {
    PlayAndOpen(0);
    Player()->Calls.clear();
    Call("PlayPause");
    Call("PlayPause");
    Call("Pause");
    Call("Pause"); // already paused: the bar's Pause would resume
    Call("Play");
    Call("Play");
    EXPECT_EQ(Player()->Calls, QStringList({"Pause", "Play", "Pause", "Play"}));
    Player()->SetPosition(12.0);
    Call("Stop");
    EXPECT_EQ(Player()->Calls.mid(4), QStringList({"Stop", "CurrentPosition=0"}));
    Call("PlayPause"); // from stopped it starts, as Play does
    EXPECT_EQ(Player()->Calls.last(), "Play");
    Call("Pause");
    Call("Stop"); // the bar's Stop would leave a paused entry paused
    EXPECT_EQ(Player()->Calls.mid(7), QStringList({"Pause", "Stop", "CurrentPosition=0"}));
    EXPECT_EQ(Get("PlaybackStatus").toString(), "Stopped");

    SetChecked(1, false);
    MainForm->RndBtn->SetDown(true);
    MainForm->RndBtnClick(); // random order still steps through the tree
    Call("Next");
    EXPECT_EQ(CurrentIndex, 2) << "the unchecked entry is passed over";
    Call("Previous");
    EXPECT_EQ(CurrentIndex, 0);

    MainForm->hide();
    CallOn("org.mpris.MediaPlayer2", "Raise");
    EXPECT_TRUE(MainForm->isVisible());
    QSignalSpy closed(MainForm, &TMainForm::Closed);
    CallOn("org.mpris.MediaPlayer2", "Quit");
    EXPECT_EQ(closed.count(), 1);
    EXPECT_EQ(Call("OpenUri", {QString("file:///etc/passwd")}).errorName(),
              "org.freedesktop.DBus.Error.NotSupported");
}

TEST_F(MprisTest, SeeksStayWithinTheEntryAndVolumeIsTheKnob) {
    PlayAndOpen(1); // 30 s to 90 s of its file
    Player()->SetPosition(32.0);
    Player()->Calls.clear();
    ClearHeard();
    Call("Seek", QVariantList{qlonglong(5 * Second)});
    EXPECT_EQ(Player()->Calls, QStringList({"CurrentPosition=37"}));
    Call("Seek", QVariantList{qlonglong(-100 * Second)});
    EXPECT_EQ(Player()->Calls.last(), "CurrentPosition=30") << "not before the entry's start";
    const QVariant track = QVariant::fromValue(QDBusObjectPath(TrackId()));
    Call("SetPosition", {track, qlonglong(12 * Second)});
    EXPECT_EQ(Player()->Calls.last(), "CurrentPosition=42");
    Call("SetPosition",
         {QVariant::fromValue(QDBusObjectPath("/org/quorvix_player/Entry/0")), qlonglong(Second)});
    Call("SetPosition", {track, qlonglong(61 * Second)});
    EXPECT_EQ(Player()->Calls.size(), 3) << "another track, or past the end: nothing";
    Settle();
    EXPECT_EQ(Listener.Seeks, QList<qlonglong>({7 * Second, 0, 12 * Second}));
    EXPECT_TRUE(StopAtSegmentEnd) << "the end mark still ends the entry";

    const auto extremes = Player()->Calls.size();
    Call("SetPosition", {track, std::numeric_limits<qlonglong>::max()});
    Call("SetPosition", {track, std::numeric_limits<qlonglong>::min()});
    EXPECT_EQ(Player()->Calls.size(), extremes);
    Call("Seek", QVariantList{std::numeric_limits<qlonglong>::min()});
    EXPECT_EQ(Player()->Calls.last(), "CurrentPosition=30");
    Call("SetPosition", {track, qlonglong(12 * Second)});
    // Beyond the end, however far: the next entry.
    Call("Seek", QVariantList{std::numeric_limits<qlonglong>::max()});
    EXPECT_EQ(CurrentIndex, 2);

    QDBusMessage set = QDBusMessage::createMethodCall(TMprisService::ServiceName, Path,
                                                      PropertiesInterface, "Set");
    set.setArguments({PlayerInterface, "Volume", QVariant::fromValue(QDBusVariant(0.5))});
    Client->call(set, QDBus::BlockWithGui);
    EXPECT_TRUE(QTest::qWaitFor([] { return MainForm->VolumeLevel == 2.0L; }, 5000));
    EXPECT_EQ(Player()->Volume(), -100);
    EXPECT_DOUBLE_EQ(Get("Volume").toDouble(), 0.5);
}

// Many calls at once run one after another, each to its end, even when one
// lets the event loop run (as a message box does); a failure is an error
// reply and one message, and the calls behind it wait until it is dismissed.
TEST_F(MprisTest, CommandsRunOneAtATimeAndFailuresAnswerTheCaller) {
    PlayAndOpen(0);
    int depth = 0;
    int deepest = 0;
    QObject::connect(Player(), &TWinMediaPlayer::PositionChange, Player(), [&] {
        ++depth;
        deepest = std::max(deepest, depth);
        QCoreApplication::processEvents();
        --depth;
    });
    QList<QDBusPendingCall> calls;
    for (int i = 0; i < 7; ++i)
        calls << Client->asyncCall(QDBusMessage::createMethodCall(TMprisService::ServiceName, Path,
                                                                  PlayerInterface, "Next"));
    EXPECT_TRUE(QTest::qWaitFor([&] {
        return std::all_of(calls.begin(), calls.end(), [](auto& c) { return c.isFinished(); });
    }));
    EXPECT_EQ(CurrentIndex, 7 % 3);
    EXPECT_EQ(deepest, 1) << "a command ran inside another";

    const auto next = [&] {
        return Client->asyncCall(QDBusMessage::createMethodCall(TMprisService::ServiceName, Path,
                                                                PlayerInterface, "Next"));
    };
    QStringList shown;
    std::optional<QDBusPendingCall> after;
    bool answeredWhileShown = true;
    int indexWhileShown = -1;
    SetExceptionReporter([&](const QString& text) {
        shown << text;
        // The message box's own loop runs; the call behind must wait for it.
        answeredWhileShown = QTest::qWaitFor([&] { return after->isFinished(); }, 300);
        indexWhileShown = CurrentIndex;
    });
    Player()->FailNextCall("The engine gave up");
    QDBusPendingCall failing = next();
    after = next();
    EXPECT_TRUE(QTest::qWaitFor([&] { return failing.isFinished() && after->isFinished(); }));
    SetExceptionReporter([](const QString& text) {
        ADD_FAILURE() << "error shown to the user: " << text.toStdString();
    });
    EXPECT_TRUE(failing.isError());
    EXPECT_EQ(failing.error().message(), "The engine gave up");
    EXPECT_FALSE(after->isError());
    EXPECT_EQ(shown, QStringList({"The engine gave up"}));
    EXPECT_FALSE(answeredWhileShown);
    EXPECT_EQ(indexWhileShown, 1) << "the next call ran while the failure was shown";
    EXPECT_EQ(CurrentIndex, 2);
}

TEST_F(MprisTest, LoopStatusAndShuffleAreRepeatAndRandom) {
    EXPECT_EQ(Get("LoopStatus").toString(), "None");
    EXPECT_FALSE(Get("Shuffle").toBool());
    ClearHeard();
    auto set = [&](const char* name, const QVariant& value) {
        QDBusMessage message = QDBusMessage::createMethodCall(TMprisService::ServiceName, Path,
                                                              PropertiesInterface, "Set");
        message.setArguments({PlayerInterface, name, QVariant::fromValue(QDBusVariant(value))});
        Client->call(message, QDBus::BlockWithGui);
    };
    set("LoopStatus", "Track");
    EXPECT_TRUE(QTest::qWaitFor([] { return MainForm->PlayMode == 2; }, 5000));
    EXPECT_TRUE(MainForm->RepeatBtn->Down());
    EXPECT_EQ(Get("LoopStatus").toString(), "Track");
    set("Shuffle", true); // releases Repeat Current, as a click on Random does
    EXPECT_TRUE(QTest::qWaitFor([] { return MainForm->PlayMode == 3; }, 5000));
    EXPECT_FALSE(MainForm->RepeatBtn->Down());
    EXPECT_TRUE(MainForm->RndBtn->Down());
    Settle();
    ASSERT_GE(Listener.Changed.size(), 2);
    EXPECT_EQ(Listener.Changed[0], QVariantMap({{"LoopStatus", "Track"}}));
    EXPECT_EQ(Listener.Changed[1], QVariantMap({{"LoopStatus", "None"}, {"Shuffle", true}}));

    set("Shuffle", false);
    EXPECT_TRUE(QTest::qWaitFor([] { return MainForm->PlayMode == 0; }, 5000));
    set("LoopStatus", "Track");
    set("LoopStatus", "Playlist"); // the order goes round by itself
    set("LoopStatus", "Sideways");
    EXPECT_TRUE(QTest::qWaitFor([&] { return Get("LoopStatus").toString() == "None"; }, 5000));
    EXPECT_EQ(MainForm->PlayMode, 0);

    MainForm->RndBtn->SetDown(true); // the bar, not the bus
    MainForm->RndBtnClick();
    ClearHeard();
    Service->Refresh();
    Settle();
    ASSERT_EQ(Listener.Changed.size(), 1);
    EXPECT_EQ(Listener.Changed[0], QVariantMap({{"Shuffle", true}}));
}

class PlayerctlTest : public MprisTest {
protected:
    QString Playerctl(const QStringList& arguments) { return Bus->Playerctl(arguments); }
};

TEST_F(PlayerctlTest, ShowsAndDrivesThePlayer) {
    PlayAndOpen(1);
    Player()->SetPosition(45.0);
    EXPECT_EQ(Playerctl({"status"}), "Playing");
    EXPECT_EQ(Playerctl({"metadata", "title"}), "Second");
    EXPECT_EQ(Playerctl({"metadata", "album"}), "Group 1");
    EXPECT_NEAR(Playerctl({"position"}).toDouble(), 15.0, 0.5) << "it counts on while playing";

    Playerctl({"play-pause"});
    EXPECT_EQ(Player()->PlayState(), mpPaused);
    Playerctl({"position", "10"});
    EXPECT_EQ(Player()->CurrentPosition(), 40.0);
    Playerctl({"next"});
    EXPECT_EQ(CurrentIndex, 2);
    Playerctl({"previous"});
    EXPECT_EQ(CurrentIndex, 1);
    EXPECT_EQ(Playerctl({"metadata", "title"}), "Second");
}

} // namespace

#include "MprisTest.moc"
