#include "media/MpvMediaPlayer.h"

#include "media/MpvVideoView.h"
#include "platform/Exceptions.h"
#include "platform/GraphicsDevice.h"
#include "platform/ProcessMemory.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMouseEvent>
#include <QOpenGLContext>
#include <QPointer>
#include <QTimer>
#include <QVBoxLayout>

#include <mpv/client.h>

#include <algorithm>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>

namespace {

constexpr std::uint64_t ObserveTimePos = 1;
constexpr std::uint64_t ObserveEof = 2;
constexpr std::uint64_t ObserveDecoderDrops = 3;
constexpr std::uint64_t ObserveOutputDrops = 4;
constexpr std::uint64_t ObserveDecoder = 5;

// Replies carry their kind in the top byte and a serial below it, so a late
// reply for an earlier file or seek is recognised and dropped.
enum TReply : std::uint64_t {
    ReplyGeneral,
    ReplyLoad,
    ReplyDuration,
    ReplyWidth,
    ReplyHeight,
    ReplySeek,
    ReplyEof,
    ReplyFrame
};
constexpr std::uint64_t SerialMask = (std::uint64_t{1} << 56) - 1;
std::uint64_t Tag(TReply kind, std::uint64_t serial) {
    return (std::uint64_t{kind} << 56) | (serial & SerialMask);
}
TReply KindOf(std::uint64_t tag) {
    return static_cast<TReply>(tag >> 56);
}
std::uint64_t SerialOf(std::uint64_t tag) {
    return tag & SerialMask;
}

Exception EngineError(int error, const QString& what) {
    return Exception(QString("%1: %2").arg(mpv_error_string(error), what).toStdString());
}

constexpr char ClientName[] = "Quorvix Player";

// Desktop mixers list the program by the client's properties on the sound
// server; the engine names the application but leaves its icon (the one the
// desktop entry names) to the environment, where a user's own setting wins.
void NameSoundClient() {
    if (qEnvironmentVariableIsEmpty("PULSE_PROP_application.icon_name"))
        qputenv("PULSE_PROP_application.icon_name", "quorvix-player");
}

// mpv's volume scale is cubic: v% is (v/100)^3 in amplitude.
double EngineVolume(int hundredthsOfDb) {
    return std::clamp(100.0 * std::pow(10.0, hundredthsOfDb / 6000.0), 0.0, 100.0);
}

} // namespace

TMpvMediaPlayer::TMpvMediaPlayer(QWidget* parent, TMediaPlayerOptions options)
    : TWinMediaPlayer(parent), TrimTimer(new QTimer(this)) {
    TrimTimer->setSingleShot(true);
    TrimTimer->setInterval(FreedMemoryDelayMs);
    connect(TrimTimer, &QTimer::timeout, this, [] { ReleaseFreedMemory(); });
    std::unique_ptr<QOpenGLContext> gl;
    if (options.Video != TVideoOutput::Software)
        gl = CreatePictureGlContext(options.Video == TVideoOutput::Auto);
    if (options.Video == TVideoOutput::OpenGL && !gl)
        throw Exception(tr("No OpenGL context could be made for the picture").toStdString());
    Path = gl ? TVideoOutput::OpenGL : TVideoOutput::Software;
    std::setlocale(LC_NUMERIC, "C"); // mpv refuses to start under any other
    Mpv = mpv_create();
    if (!Mpv)
        throw Exception(tr("The playback engine could not be started").toStdString());
    try {
        // Decoded frames would come back from the graphics memory for
        // software drawing, which costs more than decoding them here.
        Configure(options.HardwareDecoding && Path == TVideoOutput::OpenGL &&
                  GraphicsHardwarePresent());
        CreateView(std::move(gl));
    } catch (...) {
        delete View;
        mpv_terminate_destroy(Mpv);
        throw;
    }
}

TMpvMediaPlayer::~TMpvMediaPlayer() {
    if (qEnvironmentVariableIsSet("QUORVIX_PRINT_FRAME_DROPS"))
        std::fprintf(stderr, "frame-drop-count %lld\nvo-drop-frame-count %lld\nhwdec-current %s\n",
                     static_cast<long long>(DecoderDrops.Total),
                     static_cast<long long>(OutputDrops.Total), HardwareDecoder.constData());
    mpv_set_wakeup_callback(Mpv, nullptr, nullptr);
    delete View; // frees the render context, which must go before the engine
    mpv_terminate_destroy(Mpv);
}

void TMpvMediaPlayer::Configure(bool hardwareDecoding) {
    const char* const options[][2] = {
        // Nothing from the user's own mpv setup, no scripts, keys or on-screen UI.
        {"config", "no"},
        {"load-scripts", "no"},
        {"input-default-bindings", "no"},
        {"input-vo-keyboard", "no"},
        {"osc", "no"},
        {"osd-level", "0"},
        {"terminal", "no"},
        {"ytdl", "no"},
        // Built-in scripts that no key can reach here: each is a Lua state and a thread.
        {"load-stats-overlay", "no"},
        {"load-osd-console", "no"},
        {"load-auto-profiles", "no"},
        // Local files only; nothing fetched or opened beside them.
        {"load-unsafe-playlists", "no"},
        {"access-references", "no"},
        {"demuxer-lavf-o", "protocol_whitelist=file"},
        // Clips are local: on a disc, in a folder or in a mounted image. The
        // engine takes any FUSE mount (fuseiso) for a network share, and
        // would then read a whole clip ahead into memory.
        {"cache", "no"},
        {"sub-auto", "no"},
        {"audio-file-auto", "no"},
        // The safe list only, and the engine decodes in software whenever
        // the hardware can't; without it, no interop is even looked for.
        {"hwdec", hardwareDecoding ? "auto-safe" : "no"},
        {"gpu-hwdec-interop", hardwareDecoding ? "auto" : "no"},
        // Stay alive without a file, and stay on the last frame at the end.
        {"idle", "yes"},
        {"keep-open", "yes"},
        {"pause", "yes"},
        {"hr-seek", "yes"},
        {"vo", "libmpv"},
        // The system's own sound output; without one, play on in silence.
        // SDL reaches no output these don't, and looking through it for one
        // that isn't there holds the first frame back by a tenth of a second.
        {"ao", "pipewire,pulse,alsa,jack"},
        {"audio-fallback-to-null", "yes"},
        {"audio-client-name", ClientName},
        // Loudness scaled in floating point: on 16-bit sound the engine would
        // scale in steps of 1/256, over a decibel loud at -40 dB and silent
        // below about -54 dB.
        {"af", "format=float"},
    };
    for (const auto& [name, value] : options) {
        const int error = mpv_set_option_string(Mpv, name, value);
        if (error < 0)
            throw EngineError(error, name);
    }
    NameSoundClient();
    mpv_observe_property(Mpv, ObserveTimePos, "time-pos", MPV_FORMAT_DOUBLE);
    mpv_observe_property(Mpv, ObserveEof, "eof-reached", MPV_FORMAT_FLAG);
    mpv_observe_property(Mpv, ObserveDecoderDrops, "frame-drop-count", MPV_FORMAT_INT64);
    mpv_observe_property(Mpv, ObserveOutputDrops, "vo-drop-frame-count", MPV_FORMAT_INT64);
    mpv_observe_property(Mpv, ObserveDecoder, "hwdec-current", MPV_FORMAT_STRING);
    mpv_set_wakeup_callback(Mpv, &TMpvMediaPlayer::OnWakeup, this);
    const int error = mpv_initialize(Mpv);
    if (error < 0)
        throw EngineError(error, "initialize");
}

void TMpvMediaPlayer::CreateView(std::unique_ptr<QOpenGLContext> gl) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    if (gl) {
        auto* window = new TMpvGlWindow(Mpv, std::move(gl));
        // A file loaded before the render context exists would get no picture.
        connect(window, &TMpvGlWindow::RenderContextReady, this, [this] {
            RenderReady = true;
            StartLoading();
        });
        connect(window, &TMpvGlWindow::FrameRendered, this, &TMpvMediaPlayer::FrameRendered);
        connect(window, &TMpvGlWindow::MousePressed, this, [this](QMouseEvent* event) {
            PictureMouseDown(*event, View->mapTo(this, event->position().toPoint()));
        });
        // Unlike a widget, the window gets the second press of a double
        // click as a press as well.
        connect(window, &TMpvGlWindow::DoubleClicked, this, [this](QMouseEvent* event) {
            PictureDblClick(*event, View->mapTo(this, event->position().toPoint()));
        });
        // Keys and the wheel go on to the window around the picture, as they
        // do from a widget. The picture fills the control, so positions stay.
        connect(window, &TMpvGlWindow::InputToPass, this, [this](QEvent* event) {
            const std::unique_ptr<QEvent> copy(event->clone());
            QCoreApplication::sendEvent(this, copy.get());
        });
        // Owns the window, so deleting the view frees the render context.
        View = QWidget::createWindowContainer(window, this);
    } else {
        auto* view = new TMpvSwView(Mpv, this);
        connect(view, &TMpvSwView::FrameRendered, this, &TMpvMediaPlayer::FrameRendered);
        View = view;
        RenderReady = true;
    }
    layout->addWidget(View);
}

void TMpvMediaPlayer::SetProperty(const char* name, const QByteArray& value) {
    const char* text = value.constData();
    const int error =
        mpv_set_property_async(Mpv, Tag(ReplyGeneral, 0), name, MPV_FORMAT_STRING, &text);
    if (error < 0)
        throw EngineError(error, name);
}

void TMpvMediaPlayer::Command(const QList<QByteArray>& args, std::uint64_t tag) {
    std::vector<const char*> argv;
    for (const QByteArray& arg : args)
        argv.push_back(arg.constData());
    argv.push_back(nullptr);
    const int error = mpv_command_async(Mpv, tag, argv.data());
    if (error < 0)
        throw EngineError(error, QString::fromUtf8(args.front()));
}

// ---- Properties and methods ----

void TMpvMediaPlayer::SetFileName(const QString& path) {
    if (path.isEmpty()) {
        Close();
        return;
    }
    // Only existing local files: no URLs, devices or protocol tricks.
    if (!QFileInfo(path).isFile())
        throw EngineError(MPV_ERROR_LOADING_FAILED, path);
    SetProperty("pause", "yes"); // loaded, not started
    FileNameValue = path;
    ResetMedia();
    // Sent from the event loop so that a position written right after this
    // becomes the file's start.
    LoadPending = true;
    QMetaObject::invokeMethod(
        this, [this] { StartLoading(); }, Qt::QueuedConnection);
}

void TMpvMediaPlayer::ResetMedia() {
    ExpectedEntry.reset();
    Open = 0;
    PropertiesAwaited = 0;
    Intent = TIntent::Stopped;
    AtEnd = false;
    EngineAtEnd = false;
    TimePos = 0.0;
    StartPosition.reset();
    SeekTarget.reset();
    DurationValue = 0.0;
    Width = 0;
    Height = 0;
}

void TMpvMediaPlayer::Close() {
    LoadPending = false;
    FileNameValue.clear();
    ResetMedia();
    // Also lets go of a file still held while another was about to load.
    Command({"stop"}, Tag(ReplyGeneral, 0));
}

void TMpvMediaPlayer::StartLoading() {
    if (!LoadPending || !RenderReady)
        return;
    LoadPending = false;
    QList<QByteArray> args{"loadfile", QFileInfo(FileNameValue).absoluteFilePath().toUtf8(),
                           "replace"};
    if (StartPosition) {
        args << "start=" + QByteArray::number(*StartPosition, 'f', 6);
        ++SeekSerial;
        SeekTarget = *StartPosition;
        SeekAcknowledged = false;
        StartPosition.reset();
    }
    ++LoadsIssued;
    Command(args, Tag(ReplyLoad, LoadsIssued));
}

double TMpvMediaPlayer::CurrentPosition() const {
    return SeekTarget ? *SeekTarget : TimePos;
}

void TMpvMediaPlayer::SetCurrentPosition(double seconds) {
    if (FileNameValue.isEmpty())
        return;
    // mpv counts negative absolute positions from the end of the file.
    const double target = std::isfinite(seconds) ? std::max(seconds, 0.0) : 0.0;
    const double old = CurrentPosition();
    if (Open == nsOpen) {
        Seek(target);
    } else {
        StartPosition = target;
        SeekTarget = target;
        SeekAcknowledged = false;
    }
    emit PositionChange(old, target);
}

void TMpvMediaPlayer::Seek(double seconds) {
    ++SeekSerial;
    Command({"seek", QByteArray::number(seconds, 'f', 6), "absolute+exact"},
            Tag(ReplySeek, SeekSerial));
    SeekTarget = seconds;
    SeekAcknowledged = false;
    // Whatever the engine said of the end before this seek is over; an end
    // it reached before the seek also paused it, which must not stick.
    AtEnd = false;
    EngineAtEnd = false;
    if (Intent == TIntent::Playing)
        SetProperty("pause", "no");
}

double TMpvMediaPlayer::ShownFrameTime() const {
    // While paused, time-pos is the shown frame's own time stamp; a seek not
    // landed yet shows its target next.
    return SeekTarget ? *SeekTarget : TimePos;
}

void TMpvMediaPlayer::StepFrame(bool forward) {
    if (Open != nsOpen)
        return;
    // Both leave the engine paused on the new frame, and time-pos follows.
    Command({forward ? "frame-step" : "frame-back-step"}, Tag(ReplyGeneral, 0));
    Intent = TIntent::Paused;
    if (!forward) {
        AtEnd = false;
        EngineAtEnd = false;
    }
}

bool TMpvMediaPlayer::GrabFrame() {
    if (Open != nsOpen || Width <= 0 || Height <= 0)
        return false;
    // The decoded frame at its own size, without scaling or on-screen text.
    const char* argv[] = {"screenshot-raw", "video", nullptr};
    const int error = mpv_command_async(Mpv, Tag(ReplyFrame, LoadsIssued), argv);
    return error >= 0;
}

void TMpvMediaPlayer::FrameArrived(const mpv_event& event) {
    QImage frame;
    const auto* reply = static_cast<const mpv_event_command*>(event.data);
    if (event.error >= 0 && reply && reply->result.format == MPV_FORMAT_NODE_MAP) {
        std::int64_t width = 0, height = 0, stride = 0;
        QByteArray format;
        const mpv_byte_array* pixels = nullptr;
        const mpv_node_list& map = *reply->result.u.list;
        for (int i = 0; i < map.num; ++i) {
            const mpv_node& value = map.values[i];
            const char* key = map.keys[i];
            if (value.format == MPV_FORMAT_INT64 && std::strcmp(key, "w") == 0)
                width = value.u.int64;
            else if (value.format == MPV_FORMAT_INT64 && std::strcmp(key, "h") == 0)
                height = value.u.int64;
            else if (value.format == MPV_FORMAT_INT64 && std::strcmp(key, "stride") == 0)
                stride = value.u.int64;
            else if (value.format == MPV_FORMAT_STRING && std::strcmp(key, "format") == 0)
                format = value.u.string;
            else if (value.format == MPV_FORMAT_BYTE_ARRAY && std::strcmp(key, "data") == 0)
                pixels = value.u.ba;
        }
        // bgr0 is what the engine gives; anything else or short data is no frame.
        if (format == "bgr0" && pixels && width > 0 && height > 0 && stride >= width * 4 &&
            width <= 16384 && height <= 16384 &&
            static_cast<std::int64_t>(pixels->size) >= stride * height)
            frame = QImage(static_cast<const uchar*>(pixels->data), static_cast<int>(width),
                           static_cast<int>(height), static_cast<qsizetype>(stride),
                           QImage::Format_RGB32)
                        .copy();
    }
    emit FrameGrabbed(frame);
}

int TMpvMediaPlayer::PlayState() const {
    if (FileNameValue.isEmpty())
        return mpStopped;
    switch (Intent) {
    case TIntent::Playing:
        return mpPlaying;
    case TIntent::Paused:
        return mpPaused;
    case TIntent::Stopped:
        break;
    }
    return mpStopped;
}

void TMpvMediaPlayer::Play() {
    if (FileNameValue.isEmpty())
        return;
    if (AtEnd)
        Seek(0.0); // playing from the end starts over
    SetProperty("pause", "no");
    Intent = TIntent::Playing;
}

void TMpvMediaPlayer::Stop() {
    if (FileNameValue.isEmpty())
        return;
    // The engine has no stop that keeps the file: pause and remember.
    SetProperty("pause", "yes");
    Intent = TIntent::Stopped;
}

void TMpvMediaPlayer::Pause() {
    if (FileNameValue.isEmpty())
        return;
    SetProperty("pause", "yes");
    Intent = TIntent::Paused;
}

void TMpvMediaPlayer::SetVolume(int volume) {
    SetProperty("volume", QByteArray::number(EngineVolume(volume), 'f', 6));
    VolumeValue = volume;
}

void TMpvMediaPlayer::SetMute(bool mute) {
    SetProperty("mute", mute ? "yes" : "no");
    MuteValue = mute;
}

void TMpvMediaPlayer::mousePressEvent(QMouseEvent* event) {
    PictureMouseDown(*event, event->position().toPoint());
}

// A widget gets the second press of a double click only as the double click.
void TMpvMediaPlayer::mouseDoubleClickEvent(QMouseEvent* event) {
    PictureMouseDown(*event, event->position().toPoint());
    PictureDblClick(*event, event->position().toPoint());
}

void TMpvMediaPlayer::PictureDblClick(const QMouseEvent& event, QPoint at) {
    emit DblClick(event.button(), event.modifiers(), at.x(), at.y());
}

void TMpvMediaPlayer::PictureMouseDown(const QMouseEvent& event, QPoint at) {
    emit MouseDown(event.button(), event.modifiers(), at.x(), at.y());
}

// ---- Engine events ----

void TMpvMediaPlayer::OnWakeup(void* self) {
    // Called on an engine thread: only hand over, one pending call at a time.
    auto* player = static_cast<TMpvMediaPlayer*>(self);
    if (player->DrainQueued.exchange(true))
        return;
    QMetaObject::invokeMethod(
        player, [player] { player->DrainEvents(); }, Qt::QueuedConnection);
}

void TMpvMediaPlayer::DrainEvents() {
    DrainQueued = false;
    // A handler that runs a nested event loop (a message box) must not drain
    // underneath the event being handled; the outer loop carries on.
    if (Draining)
        return;
    QPointer<TMpvMediaPlayer> alive(this);
    Draining = true;
    try {
        while (alive) {
            const mpv_event* event = mpv_wait_event(Mpv, 0);
            if (event->event_id == MPV_EVENT_NONE)
                break;
            HandleEvent(*event);
        }
    } catch (...) {
        // A handler's failure goes on to the application; the events behind
        // it still have to be handled.
        if (alive) {
            Draining = false;
            OnWakeup(this);
        }
        throw;
    }
    if (alive)
        Draining = false;
}

bool TMpvMediaPlayer::EventsAreForCurrentFile() const {
    return !LoadPending && !FileNameValue.isEmpty() && ExpectedEntry &&
           *ExpectedEntry == StartedEntry;
}

void TMpvMediaPlayer::HandleEvent(const mpv_event& event) {
    switch (event.event_id) {
    case MPV_EVENT_START_FILE:
        StartedEntry = static_cast<const mpv_event_start_file*>(event.data)->playlist_entry_id;
        break;
    case MPV_EVENT_FILE_LOADED:
        LoadedEntry = StartedEntry;
        if (EventsAreForCurrentFile())
            FileLoaded();
        break;
    case MPV_EVENT_END_FILE: {
        const auto* end = static_cast<const mpv_event_end_file*>(event.data);
        if (end->reason == MPV_END_FILE_REASON_ERROR && EventsAreForCurrentFile() &&
            end->playlist_entry_id == *ExpectedEntry)
            LoadFailed();
        // The engine has torn the file down by now; what it freed goes back.
        TrimTimer->start();
        break;
    }
    case MPV_EVENT_PLAYBACK_RESTART:
        if (SeekAcknowledged && SeekTarget)
            SeekLanded();
        // So do the buffers of opening the file and of seeking in it.
        TrimTimer->start();
        break;
    case MPV_EVENT_PROPERTY_CHANGE:
        HandlePropertyChange(event);
        break;
    case MPV_EVENT_GET_PROPERTY_REPLY:
    case MPV_EVENT_SET_PROPERTY_REPLY:
    case MPV_EVENT_COMMAND_REPLY:
        HandleReply(event);
        break;
    default:
        break;
    }
}

void TMpvMediaPlayer::HandlePropertyChange(const mpv_event& event) {
    if (CountDrops(event) || NoteDecoder(event) || !EventsAreForCurrentFile())
        return;
    const auto* property = static_cast<const mpv_event_property*>(event.data);
    if (event.reply_userdata == ObserveTimePos && property->format == MPV_FORMAT_DOUBLE)
        TimePos = *static_cast<const double*>(property->data);
    else if (event.reply_userdata == ObserveEof && !SeekTarget)
        EndReported(property->format == MPV_FORMAT_FLAG &&
                    *static_cast<const int*>(property->data));
}

bool TMpvMediaPlayer::CountDrops(const mpv_event& event) {
    if (event.reply_userdata != ObserveDecoderDrops && event.reply_userdata != ObserveOutputDrops)
        return false;
    const auto* property = static_cast<const mpv_event_property*>(event.data);
    const std::int64_t value = property->format == MPV_FORMAT_INT64
                                   ? *static_cast<const std::int64_t*>(property->data)
                                   : 0;
    (event.reply_userdata == ObserveDecoderDrops ? DecoderDrops : OutputDrops).Seen(value);
    return true;
}

bool TMpvMediaPlayer::NoteDecoder(const mpv_event& event) {
    if (event.reply_userdata != ObserveDecoder)
        return false;
    // Empty between files: the last decoder that ran is the one to report.
    const auto* property = static_cast<const mpv_event_property*>(event.data);
    if (property->format == MPV_FORMAT_STRING) {
        const char* name = *static_cast<const char* const*>(property->data);
        if (name && *name)
            HardwareDecoder = name;
    }
    return true;
}

void TMpvMediaPlayer::TDropCount::Seen(std::int64_t value) {
    // A smaller value is a new file's count starting from zero.
    Total += value >= Last ? value - Last : value;
    Last = value;
}

void TMpvMediaPlayer::HandleReply(const mpv_event& event) {
    const std::uint64_t serial = SerialOf(event.reply_userdata);
    switch (KindOf(event.reply_userdata)) {
    case ReplyDuration:
    case ReplyWidth:
    case ReplyHeight: {
        if (serial != LoadsIssued || PropertiesAwaited == 0 || !EventsAreForCurrentFile())
            return;
        const auto* property = static_cast<const mpv_event_property*>(event.data);
        // A sound-only file has no picture size: it stays 0.
        if (event.error >= 0 && property->format == MPV_FORMAT_DOUBLE)
            DurationValue = *static_cast<const double*>(property->data);
        else if (event.error >= 0 && property->format == MPV_FORMAT_INT64) {
            const int value = static_cast<int>(*static_cast<const std::int64_t*>(property->data));
            (KindOf(event.reply_userdata) == ReplyWidth ? Width : Height) = value;
        }
        if (--PropertiesAwaited == 0)
            FinishOpening();
        return;
    }
    case ReplySeek:
        if (serial == SeekSerial)
            SeekAcknowledged = true;
        break;
    case ReplyEof: {
        if (serial != SeekSerial || SeekTarget || !EventsAreForCurrentFile() || event.error < 0)
            return;
        const auto* property = static_cast<const mpv_event_property*>(event.data);
        EndReported(property->format == MPV_FORMAT_FLAG &&
                    *static_cast<const int*>(property->data));
        return;
    }
    case ReplyFrame:
        // A frame of an earlier file is no frame of this one.
        if (serial == LoadsIssued)
            FrameArrived(event);
        else
            emit FrameGrabbed(QImage());
        return;
    case ReplyLoad:
        if (serial == LoadsIssued && event.error >= 0)
            LoadAccepted(event);
        break;
    case ReplyGeneral:
        break;
    }
    if (event.error < 0)
        emit Error();
}

void TMpvMediaPlayer::LoadAccepted(const mpv_event& event) {
    const mpv_node& result = static_cast<const mpv_event_command*>(event.data)->result;
    if (result.format == MPV_FORMAT_NODE_MAP) {
        const mpv_node_list& map = *result.u.list;
        for (int i = 0; i < map.num; ++i)
            if (std::strcmp(map.keys[i], "playlist_entry_id") == 0 &&
                map.values[i].format == MPV_FORMAT_INT64)
                ExpectedEntry = map.values[i].u.int64;
    }
    if (!ExpectedEntry) {
        emit Error(); // the engine would not say which file it loads
        return;
    }
    if (SeekTarget)
        SeekAcknowledged = true; // the start option's restart is the next one
    // The file may have loaded before this reply arrived.
    if (*ExpectedEntry == LoadedEntry && Open != nsOpen && PropertiesAwaited == 0 &&
        EventsAreForCurrentFile())
        FileLoaded();
}

void TMpvMediaPlayer::FileLoaded() {
    if (StartPosition) {
        const double start = *StartPosition;
        StartPosition.reset();
        Seek(start);
    }
    // Read without blocking: the engine may be busy starting the video output.
    PropertiesAwaited = 3;
    mpv_get_property_async(Mpv, Tag(ReplyDuration, LoadsIssued), "duration", MPV_FORMAT_DOUBLE);
    mpv_get_property_async(Mpv, Tag(ReplyWidth, LoadsIssued), "width", MPV_FORMAT_INT64);
    mpv_get_property_async(Mpv, Tag(ReplyHeight, LoadsIssued), "height", MPV_FORMAT_INT64);
}

void TMpvMediaPlayer::FinishOpening() {
    const int old = Open;
    const std::uint64_t load = LoadsIssued;
    Open = nsOpen;
    QPointer<TMpvMediaPlayer> alive(this);
    emit OpenStateChange(old, nsOpen);
    // The open handler may already have moved on to another file.
    if (alive && LoadsIssued == load && Open == nsOpen)
        emit ReadyStateChange(ReadyStateComplete);
    // A start at or past the end got there before the media counted as open.
    if (alive && LoadsIssued == load && Open == nsOpen)
        EndReported(EngineAtEnd);
}

void TMpvMediaPlayer::LoadFailed() {
    // Nothing is open: no play on it, and the same name loads again.
    FileNameValue.clear();
    ResetMedia();
    emit Error();
}

void TMpvMediaPlayer::SeekLanded() {
    SeekTarget.reset();
    // The end flag may not change at all (from the end to the end), and what
    // came during the seek may predate it: ask where the seek left it.
    mpv_get_property_async(Mpv, Tag(ReplyEof, SeekSerial), "eof-reached", MPV_FORMAT_FLAG);
}

void TMpvMediaPlayer::EndReported(bool reached) {
    EngineAtEnd = reached;
    if (!reached) {
        AtEnd = false;
        return;
    }
    if (Open != nsOpen || AtEnd)
        return;
    AtEnd = true;
    Intent = TIntent::Stopped;
    emit EndOfStream(0);
}
