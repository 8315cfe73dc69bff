#pragma once
// The playback control backed by libmpv. Everything the engine reports comes
// in as events drained on the GUI thread and is cached here, so reads never
// wait for the engine.

#include "media/MediaPlayer_TLB.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <optional>

class QOpenGLContext;
class QTimer;

struct mpv_handle;
struct mpv_event;

class TMpvMediaPlayer : public TWinMediaPlayer {
    Q_OBJECT
public:
    // Throws Exception when OpenGL is asked for and no context can be made.
    explicit TMpvMediaPlayer(QWidget* parent = nullptr, TMediaPlayerOptions options = {});
    ~TMpvMediaPlayer() override;

    QString FileName() const override { return FileNameValue; }
    void SetFileName(const QString& path) override;
    double CurrentPosition() const override;
    void SetCurrentPosition(double seconds) override;
    double Duration() const override { return DurationValue; }
    int ImageSourceWidth() const override { return Width; }
    int ImageSourceHeight() const override { return Height; }
    int PlayState() const override;
    int OpenState() const override { return Open; }
    int Volume() const override { return VolumeValue; }
    void SetVolume(int volume) override;
    bool Mute() const override { return MuteValue; }
    void SetMute(bool mute) override;
    void Play() override;
    void Stop() override;
    void Pause() override;
    bool HasOwnSurface() const override { return Path == TVideoOutput::OpenGL; }
    double ShownFrameTime() const override;
    void StepFrame(bool forward) override;
    bool GrabFrame() override;

    TVideoOutput RenderPath() const { return Path; }
    // Frames the decoder and the video output dropped since the control was made.
    std::int64_t DecoderFramesDropped() const { return DecoderDrops.Total; }
    std::int64_t OutputFramesDropped() const { return OutputDrops.Total; }

signals:
    // A new video frame was drawn.
    void FrameRendered();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    enum class TIntent { Stopped, Paused, Playing };

    void PictureMouseDown(const QMouseEvent& event, QPoint at);
    void PictureDblClick(const QMouseEvent& event, QPoint at);
    void Configure(bool hardwareDecoding);
    void CreateView(std::unique_ptr<QOpenGLContext> gl);
    void SetProperty(const char* name, const QByteArray& value);
    void Command(const QList<QByteArray>& args, std::uint64_t tag);
    void ResetMedia();
    void Close();
    void StartLoading();
    void Seek(double seconds);
    bool EventsAreForCurrentFile() const;
    bool CountDrops(const mpv_event& event);
    bool NoteDecoder(const mpv_event& event);

    static void OnWakeup(void* self);
    void DrainEvents();
    void HandleEvent(const mpv_event& event);
    void HandlePropertyChange(const mpv_event& event);
    void HandleReply(const mpv_event& event);
    void LoadAccepted(const mpv_event& event);
    void FileLoaded();
    void FinishOpening();
    void LoadFailed();
    void SeekLanded();
    void EndReported(bool reached);
    void FrameArrived(const mpv_event& event);

    mpv_handle* Mpv = nullptr;
    TVideoOutput Path;
    QTimer* TrimTimer; // gives freed memory back once the engine has settled
    QWidget* View = nullptr;
    bool RenderReady = false;
    std::atomic<bool> DrainQueued{false};
    bool Draining = false;

    QString FileNameValue;
    bool LoadPending = false;      // loadfile not sent yet
    std::uint64_t LoadsIssued = 0; // loadfile commands sent
    // The engine's playlist entry of the file asked for, once it said so, and
    // the entries it last started and loaded: events of others are stale.
    std::optional<std::int64_t> ExpectedEntry;
    std::int64_t StartedEntry = -1;
    std::int64_t LoadedEntry = -1;
    int Open = 0;
    int PropertiesAwaited = 0; // replies still due before the media count as open
    TIntent Intent = TIntent::Stopped;
    bool AtEnd = false;       // the end was reported to the window
    bool EngineAtEnd = false; // the engine's end flag, as of the last seek

    double TimePos = 0.0;
    std::optional<double> StartPosition; // written before the file loaded
    std::optional<double> SeekTarget;    // reported until the engine lands there
    std::uint64_t SeekSerial = 0;
    bool SeekAcknowledged = false;

    double DurationValue = 0.0;
    int Width = 0;
    int Height = 0;
    int VolumeValue = 0;
    bool MuteValue = false;

    // The engine's counters start again with each file; the totals carry on.
    struct TDropCount {
        std::int64_t Last = 0;
        std::int64_t Total = 0;
        void Seen(std::int64_t value);
    };
    TDropCount DecoderDrops;
    TDropCount OutputDrops;
    QByteArray HardwareDecoder = "no"; // the last one used for a picture
};
