#pragma once
// Media keys and desktop player widgets: the player on the session bus as an
// MPRIS media player. Its commands are the bar's own handlers, so the play
// order and the segments hold; its properties describe the current entry, with
// positions counted from the entry's start.

#include <QDBusConnection>
#include <QDBusMessage>
#include <QElapsedTimer>
#include <QObject>
#include <QVariantMap>

#include <deque>
#include <functional>

class QDBusObjectPath;
class QTimer;
class TMainForm;
class TMyFlatSpeedButton;
struct CatalogRecord;

class TMprisService : public QObject {
    Q_OBJECT
public:
    static const QString ServiceName; // org.mpris.MediaPlayer2.quorvix_player
    static const QString NoTrack;     // the track id while nothing is open

    // Claims the name and the player object on the connection.
    TMprisService(const QDBusConnection& connection, QObject* parent);
    ~TMprisService() override;
    bool Registered() const { return IsRegistered; }
    const QDBusConnection& Connection() const { return Bus; }

    // Announces what changed since the last announcement: PropertiesChanged for
    // the properties, Seeked for a jump of the position. Runs every 250 ms
    // while the name is held: what clients are told changes in many places
    // that know nothing of the bus (the engine's own end of a file or failure
    // to load, the disc watch, the bar, the keys, the tree's check boxes), and
    // one comparison with what they were last told catches them all for a few
    // microseconds a look.
    void Refresh();

    // Runs a command from the bus after those before it, from the event loop
    // and never inside another one; the call is answered when it has run, with
    // an error reply when it failed. A call of none is not answered.
    void Queue(const QDBusMessage& call, std::function<void()> command);
    void Queue(const QDBusMessage& call, void (TMprisService::*command)());

    void Raise();
    void Quit();
    void Next();
    void Previous();
    void Pause();
    void PlayPause();
    void Stop();
    void Play();
    void Seek(qlonglong offset);                                        // microseconds
    void SetPosition(const QDBusObjectPath& track, qlonglong position); // microseconds

    QString PlaybackStatus() const;
    QVariantMap Metadata();
    qlonglong Position() const;
    double Volume() const;
    void SetVolume(double volume);
    // Track while Repeat Current is down, else None; Shuffle is Random.
    QString LoopStatus() const;
    void SetLoopStatus(const QString& status);
    bool Shuffle() const;
    void SetShuffle(bool shuffle);
    bool CanGoNext() const;
    bool CanGoPrevious() const;
    bool CanPlay() const;
    bool CanSeek() const;

signals:
    void Seeked(qlonglong position);
    // The windows are to come forward: the program's start-up knows them all.
    void RaiseRequested();

private:
    const CatalogRecord* CurrentEntry() const;
    QString TrackId() const;
    qlonglong Length() const;
    QString ArtUrl();
    QVariantMap AnnouncedProperties();
    void WatchPosition();
    void MoveTo(qlonglong position);
    // One of the bar's buttons, then the news of what it changed.
    void Press(void (TMainForm::*button)());
    // A click on a play-order button of the bar, when it is not yet as asked.
    void Latch(TMyFlatSpeedButton* button, bool down);
    void ScheduleNext();
    void RunNext();

    struct TCommand {
        QDBusMessage Call;
        std::function<void()> Run;
    };
    std::deque<TCommand> Commands;
    bool Scheduled = false; // a run of the next command is on its way
    bool Running = false;   // a command, or the message of its failure, is under way

    QDBusConnection Bus;
    bool IsRegistered = false;
    QTimer* Poll = nullptr;
    QVariantMap Announced;
    // Where the position stood at the last look, to tell a jump from playing on.
    QString WatchedTrack;
    qlonglong WatchedPosition = 0;
    bool WatchedPlaying = false;
    QElapsedTimer SinceWatched;
    // The picture of the entry last described, found once per entry.
    QString ArtKey;
    QString ArtUrlValue;
};
