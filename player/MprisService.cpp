#include "player/MprisService.h"

#include "catalog/CatalogRecord.h"
#include "catalogwin/CatUnit2.h"
#include "media/MediaPlayer_TLB.h"
#include "platform/Exceptions.h"
#include "platform/SessionBus.h"
#include "player/Unit1.h"
#include "shell/Pathes.h"
#include "skin/ImageSlider.h"
#include "skin/TMyFlatSpeedButtonUnit.h"
#include "video/VidOutUnit.h"

#include <QDBusAbstractAdaptor>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <cmath>
#include <cstdlib>

const QString TMprisService::ServiceName = QStringLiteral("org.mpris.MediaPlayer2.quorvix_player");
const QString TMprisService::NoTrack = QStringLiteral("/org/mpris/MediaPlayer2/TrackList/NoTrack");

namespace {

const QString ObjectPath = QStringLiteral("/org/mpris/MediaPlayer2");
const QString PlayerInterface = QStringLiteral("org.mpris.MediaPlayer2.Player");
constexpr qlonglong Microseconds = 1000000;
// Further from where playing on would have brought it, the position jumped.
constexpr qlonglong SeekTolerance = Microseconds;
constexpr int PollInterval = 250;
// Far beyond any file, and far enough below the largest count that sums of
// two positions stay exact.
constexpr double LongestSeconds = 1e12;

qlonglong ToMicroseconds(double seconds) {
    return std::isfinite(seconds)
               ? std::llround(std::clamp(seconds, 0.0, LongestSeconds) * Microseconds)
               : 0;
}

// The tree names a group after the first record of its run.
QString GroupNameOf(size_t index) {
    const uint8_t key = Catalog[index].GroupKey;
    while (index > 0 && Catalog[index - 1].GroupKey == key)
        --index;
    return GroupTitle(Catalog[index]);
}

TWinMediaPlayer* Control() {
    return VidOutForm ? VidOutForm->ActiveMovie1 : nullptr;
}

int PlayState() {
    return VidOutForm ? VidOutForm->PlayState() : mpStopped;
}

bool FormsExist() {
    return MainForm && VidOutForm && CatForm2;
}

} // namespace

// org.mpris.MediaPlayer2: the application.
class TMprisRootAdaptor : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.mpris.MediaPlayer2")
    Q_PROPERTY(bool CanQuit READ Yes)
    Q_PROPERTY(bool CanRaise READ Yes)
    Q_PROPERTY(bool HasTrackList READ No)
    Q_PROPERTY(QString Identity READ Identity)
    Q_PROPERTY(QString DesktopEntry READ DesktopEntry)
    Q_PROPERTY(QStringList SupportedUriSchemes READ None)
    Q_PROPERTY(QStringList SupportedMimeTypes READ None)
public:
    explicit TMprisRootAdaptor(TMprisService* service)
        : QDBusAbstractAdaptor(service), Service(service) {}
    bool Yes() const { return true; }
    bool No() const { return false; }
    QString Identity() const { return QStringLiteral("Quorvix Player"); }
    QString DesktopEntry() const { return QStringLiteral("quorvix-player"); }
    QStringList None() const { return {}; }

public slots:
    void Raise(const QDBusMessage& call) { Service->Queue(call, &TMprisService::Raise); }
    void Quit(const QDBusMessage& call) { Service->Queue(call, &TMprisService::Quit); }

private:
    TMprisService* Service;
};

// org.mpris.MediaPlayer2.Player: the transport and the current entry.
class TMprisPlayerAdaptor : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.mpris.MediaPlayer2.Player")
    Q_PROPERTY(QString PlaybackStatus READ PlaybackStatus)
    Q_PROPERTY(double Rate READ Rate WRITE SetRate)
    Q_PROPERTY(double MinimumRate READ Rate)
    Q_PROPERTY(double MaximumRate READ Rate)
    Q_PROPERTY(QVariantMap Metadata READ Metadata)
    Q_PROPERTY(double Volume READ Volume WRITE SetVolume)
    Q_PROPERTY(QString LoopStatus READ LoopStatus WRITE SetLoopStatus)
    Q_PROPERTY(bool Shuffle READ Shuffle WRITE SetShuffle)
    Q_PROPERTY(qlonglong Position READ Position)
    Q_PROPERTY(bool CanGoNext READ CanGoNext)
    Q_PROPERTY(bool CanGoPrevious READ CanGoPrevious)
    Q_PROPERTY(bool CanPlay READ CanPlay)
    Q_PROPERTY(bool CanPause READ CanPlay)
    Q_PROPERTY(bool CanSeek READ CanSeek)
    Q_PROPERTY(bool CanControl READ CanControl)
public:
    explicit TMprisPlayerAdaptor(TMprisService* service)
        : QDBusAbstractAdaptor(service), Service(service) {
        connect(service, &TMprisService::Seeked, this, &TMprisPlayerAdaptor::Seeked);
    }
    QString PlaybackStatus() const { return Service->PlaybackStatus(); }
    // Entries play at their own speed only.
    double Rate() const { return 1.0; }
    void SetRate(double) {}
    QVariantMap Metadata() const { return Service->Metadata(); }
    double Volume() const { return Service->Volume(); }
    QString LoopStatus() const { return Service->LoopStatus(); }
    bool Shuffle() const { return Service->Shuffle(); }
    // Writes wait their turn with the commands; Set is answered at once.
    void SetVolume(double volume) {
        Service->Queue({}, [service = Service, volume] { service->SetVolume(volume); });
    }
    void SetLoopStatus(const QString& status) {
        Service->Queue({}, [service = Service, status] { service->SetLoopStatus(status); });
    }
    void SetShuffle(bool shuffle) {
        Service->Queue({}, [service = Service, shuffle] { service->SetShuffle(shuffle); });
    }
    qlonglong Position() const { return Service->Position(); }
    bool CanGoNext() const { return Service->CanGoNext(); }
    bool CanGoPrevious() const { return Service->CanGoPrevious(); }
    bool CanPlay() const { return Service->CanPlay(); }
    bool CanSeek() const { return Service->CanSeek(); }
    bool CanControl() const { return true; }

signals:
    void Seeked(qlonglong Position);

public slots:
    void Next(const QDBusMessage& call) { Service->Queue(call, &TMprisService::Next); }
    void Previous(const QDBusMessage& call) { Service->Queue(call, &TMprisService::Previous); }
    void Pause(const QDBusMessage& call) { Service->Queue(call, &TMprisService::Pause); }
    void PlayPause(const QDBusMessage& call) { Service->Queue(call, &TMprisService::PlayPause); }
    void Stop(const QDBusMessage& call) { Service->Queue(call, &TMprisService::Stop); }
    void Play(const QDBusMessage& call) { Service->Queue(call, &TMprisService::Play); }
    void Seek(qlonglong Offset, const QDBusMessage& call) {
        Service->Queue(call, [service = Service, Offset] { service->Seek(Offset); });
    }
    void SetPosition(const QDBusObjectPath& TrackId, qlonglong Position, const QDBusMessage& call) {
        Service->Queue(call, [service = Service, TrackId, Position] {
            service->SetPosition(TrackId, Position);
        });
    }
    // Only the disc's own entries play.
    void OpenUri(const QString&, const QDBusMessage& message) {
        message.setDelayedReply(true);
        Service->Connection().send(message.createErrorReply(
            QDBusError::NotSupported, QStringLiteral("Quorvix Player plays only its disc")));
    }

private:
    TMprisService* Service;
};

TMprisService::TMprisService(const QDBusConnection& connection, QObject* parent)
    : QObject(parent), Bus(connection) {
    new TMprisRootAdaptor(this);
    new TMprisPlayerAdaptor(this);
    IsRegistered = Bus.registerObject(ObjectPath, this) && Bus.registerService(ServiceName);
    Announced = AnnouncedProperties();
    WatchPosition();
    Poll = new QTimer(this);
    Poll->setInterval(PollInterval);
    connect(Poll, &QTimer::timeout, this, &TMprisService::Refresh);
    if (IsRegistered)
        Poll->start();
}

TMprisService::~TMprisService() {
    Bus.unregisterService(ServiceName);
    Bus.unregisterObject(ObjectPath);
}

void TMprisService::Refresh() {
    const QVariantMap now = AnnouncedProperties();
    QVariantMap changed;
    for (auto it = now.cbegin(); it != now.cend(); ++it)
        if (Announced.value(it.key()) != it.value())
            changed.insert(it.key(), it.value());
    Announced = now;
    if (!changed.isEmpty())
        EmitPropertiesChanged(Bus, ObjectPath, PlayerInterface, changed);
    WatchPosition();
}

// Position is left out: clients follow it from Seeked and the clock.
QVariantMap TMprisService::AnnouncedProperties() {
    return {{QStringLiteral("PlaybackStatus"), PlaybackStatus()},
            {QStringLiteral("Metadata"), Metadata()},
            {QStringLiteral("Volume"), Volume()},
            {QStringLiteral("LoopStatus"), LoopStatus()},
            {QStringLiteral("Shuffle"), Shuffle()},
            {QStringLiteral("CanGoNext"), CanGoNext()},
            {QStringLiteral("CanGoPrevious"), CanGoPrevious()},
            {QStringLiteral("CanPlay"), CanPlay()},
            {QStringLiteral("CanPause"), CanPlay()},
            {QStringLiteral("CanSeek"), CanSeek()}};
}

void TMprisService::WatchPosition() {
    const QString track = TrackId();
    const qlonglong position = Position();
    const qlonglong elapsed = SinceWatched.isValid() ? SinceWatched.restart() * 1000 : 0;
    const qlonglong expected = WatchedPosition + (WatchedPlaying ? elapsed : 0);
    if (track == WatchedTrack && track != NoTrack &&
        std::llabs(position - expected) > SeekTolerance)
        emit Seeked(position);
    if (!SinceWatched.isValid())
        SinceWatched.start();
    WatchedTrack = track;
    WatchedPosition = position;
    WatchedPlaying = PlayState() == mpPlaying;
}

void TMprisService::Queue(const QDBusMessage& call, std::function<void()> command) {
    if (call.type() == QDBusMessage::MethodCallMessage)
        call.setDelayedReply(true);
    Commands.push_back({call, std::move(command)});
    ScheduleNext();
}

void TMprisService::Queue(const QDBusMessage& call, void (TMprisService::*command)()) {
    Queue(call, [this, command] { (this->*command)(); });
}

void TMprisService::ScheduleNext() {
    if (Scheduled || Commands.empty())
        return;
    Scheduled = true;
    QMetaObject::invokeMethod(this, &TMprisService::RunNext, Qt::QueuedConnection);
}

// A run that comes while a command is under way (from a loop the command or
// its message runs) leaves the next one to that command's end. While a
// failure is shown, later commands wait: one message at a time.
void TMprisService::RunNext() {
    Scheduled = false;
    if (Running || Commands.empty())
        return;
    TCommand command = std::move(Commands.front());
    Commands.pop_front();
    Running = true;
    QString error;
    try {
        command.Run();
    } catch (...) {
        error = CurrentExceptionText();
    }
    if (command.Call.type() == QDBusMessage::MethodCallMessage)
        Bus.send(error.isEmpty() ? command.Call.createReply()
                                 : command.Call.createErrorReply(QDBusError::Failed, error));
    if (!error.isEmpty())
        ReportError(error);
    Running = false;
    ScheduleNext();
}

void TMprisService::Raise() {
    emit RaiseRequested();
}

void TMprisService::Quit() {
    if (MainForm)
        MainForm->ExitBtnClick();
}

void TMprisService::Press(void (TMainForm::*button)()) {
    if (!FormsExist())
        return;
    (MainForm->*button)();
    Refresh();
}

void TMprisService::Next() {
    Press(&TMainForm::NextBtnClick);
}

void TMprisService::Previous() {
    Press(&TMainForm::PrevBtnClick);
}

// The bar's Pause button also resumes; a pause asked for twice must not.
void TMprisService::Pause() {
    if (PlayState() == mpPlaying)
        Press(&TMainForm::PauseBtnClick);
}

void TMprisService::PlayPause() {
    Press(&TMainForm::PlayPause);
}

// The bar's Stop acts only while playing; a paused entry is stopped too.
void TMprisService::Stop() {
    if (PlayState() == mpPaused && FormsExist()) {
        VidOutForm->StopAndRewind();
        Refresh();
        return;
    }
    Press(&TMainForm::StopBtnClick);
}

void TMprisService::Play() {
    Press(&TMainForm::PlayBtnClick);
}

// Past the end of the entry is where the next one begins. Positions are far
// from the limits of the count, so only the offset can be extreme.
void TMprisService::Seek(qlonglong offset) {
    if (!CanSeek())
        return;
    const qlonglong position = Position();
    if (offset > Length() - position)
        Next();
    else
        MoveTo(offset < -position ? 0 : position + offset);
}

void TMprisService::SetPosition(const QDBusObjectPath& track, qlonglong position) {
    if (!CanSeek() || track.path() != TrackId() || position < 0 || position > Length())
        return;
    MoveTo(position);
}

// Moves within the entry; its end mark still ends it.
void TMprisService::MoveTo(qlonglong position) {
    Control()->SetCurrentPosition(CurrentEntry()->StartPos +
                                  static_cast<double>(position) / Microseconds);
    WatchedPosition = Position();
    SinceWatched.restart();
    emit Seeked(WatchedPosition);
    Refresh();
}

QString TMprisService::PlaybackStatus() const {
    switch (PlayState()) {
    case mpPlaying:
        return QStringLiteral("Playing");
    case mpPaused:
        return QStringLiteral("Paused");
    default:
        return QStringLiteral("Stopped");
    }
}

// The entry whose file is open.
const CatalogRecord* TMprisService::CurrentEntry() const {
    if (!Control() || Control()->FileName().isEmpty())
        return nullptr;
    return RecordAt(CurrentIndex);
}

QString TMprisService::TrackId() const {
    return CurrentEntry() ? QStringLiteral("/org/quorvix_player/Entry/%1").arg(CurrentIndex)
                          : NoTrack;
}

// The segment: to the end mark, or to the end of the file without one.
qlonglong TMprisService::Length() const {
    const CatalogRecord* entry = CurrentEntry();
    if (!entry)
        return 0;
    const double end = entry->EndPos != 0.0 ? entry->EndPos : Control()->Duration();
    return ToMicroseconds(end - entry->StartPos);
}

QString TMprisService::ArtUrl() {
    const QString key = TrackId() + QLatin1Char('|') + Control()->FileName();
    if (key != ArtKey) {
        ArtKey = key;
        const QString path = LocateFile(EntryPictureFile(*CurrentEntry()));
        ArtUrlValue =
            path.isEmpty() ? QString() : QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded);
    }
    return ArtUrlValue;
}

QVariantMap TMprisService::Metadata() {
    const CatalogRecord* entry = CurrentEntry();
    QVariantMap metadata{
        {QStringLiteral("mpris:trackid"), QVariant::fromValue(QDBusObjectPath(TrackId()))}};
    if (!entry)
        return metadata;
    metadata.insert(QStringLiteral("xesam:title"), EntryTitle(*entry));
    metadata.insert(QStringLiteral("xesam:album"), GroupNameOf(static_cast<size_t>(CurrentIndex)));
    metadata.insert(QStringLiteral("mpris:length"), Length());
    if (const QString art = ArtUrl(); !art.isEmpty())
        metadata.insert(QStringLiteral("mpris:artUrl"), art);
    return metadata;
}

qlonglong TMprisService::Position() const {
    const CatalogRecord* entry = CurrentEntry();
    return entry ? ToMicroseconds(Control()->CurrentPosition() - entry->StartPos) : 0;
}

// The loudness knob's travel, 0 to 4, as 0 to 1.
double TMprisService::Volume() const {
    return MainForm ? static_cast<double>(MainForm->VolumeLevel / TMainForm::VolumeMaximum) : 0.0;
}

void TMprisService::SetVolume(double volume) {
    if (!MainForm || !std::isfinite(volume))
        return;
    MainForm->VolSlider->SetSliderPosValue(
        std::clamp(volume * TMainForm::VolumeMaximum, 0.0L, TMainForm::VolumeMaximum));
    Refresh();
}

QString TMprisService::LoopStatus() const {
    return MainForm && MainForm->RepeatBtn->Down() ? QStringLiteral("Track")
                                                   : QStringLiteral("None");
}

// The order goes round the checked entries by itself: Playlist is None here.
void TMprisService::SetLoopStatus(const QString& status) {
    if (MainForm && (status == "Track" || status == "None" || status == "Playlist"))
        Latch(MainForm->RepeatBtn, status == "Track");
}

bool TMprisService::Shuffle() const {
    return MainForm && MainForm->RndBtn->Down();
}

void TMprisService::SetShuffle(bool shuffle) {
    if (MainForm)
        Latch(MainForm->RndBtn, shuffle);
}

void TMprisService::Latch(TMyFlatSpeedButton* button, bool down) {
    if (button->Down() == down)
        return;
    button->SetDown(down);
    button->Click();
    Refresh();
}

// Next and Previous pass over entries whose clip is missing; so do these.
bool TMprisService::CanGoNext() const {
    return FormsExist() && MainForm->NextPlayableEntry(TMainForm::Forward) != -1;
}

bool TMprisService::CanGoPrevious() const {
    return FormsExist() && MainForm->NextPlayableEntry(TMainForm::Backward) != -1;
}

bool TMprisService::CanPlay() const {
    return Control() && !Control()->FileName().isEmpty();
}

bool TMprisService::CanSeek() const {
    return CurrentEntry() && Control()->OpenState() == nsOpen;
}

#include "MprisService.moc"
