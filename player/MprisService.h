#pragma once
// Media keys and desktop player widgets: the player on the session bus as an
// MPRIS media player. Its commands are the bar's own handlers, so the play
// order and the segments hold; its properties describe the current entry, with
// positions counted from the entry's start.

#include <QDBusConnection>
#include <QElapsedTimer>
#include <QObject>
#include <QVariantMap>

class QDBusObjectPath;
class QTimer;
class TMainForm;
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
    // the properties, Seeked for a jump of the position. Runs every 250 ms.
    void Refresh();

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
    bool CanGoNext() const;
    bool CanPlay() const;
    bool CanSeek() const;

signals:
    void Seeked(qlonglong position);

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
