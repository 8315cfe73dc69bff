#pragma once
// The picture of the libmpv control: mpv's render API drawing either through
// OpenGL or, where no OpenGL context can be made, through its software
// renderer into an image.

#include <QImage>
#include <QWidget>
#include <QWindow>

#include <atomic>
#include <functional>
#include <memory>

class QOpenGLContext;

struct mpv_handle;
struct mpv_render_context;

// Brings mpv's render update callbacks (any thread) to the view's GUI thread
// as one queued call at a time, and calls the view back when a new frame is due.
class TMpvRenderUpdates {
public:
    TMpvRenderUpdates(QObject* view, std::function<void()> newFrame);
    void Attach(mpv_render_context* context);
    void Detach();

private:
    static void OnUpdate(void* self);
    void Drain();

    QObject* View;
    std::function<void()> NewFrame;
    mpv_render_context* Context = nullptr;
    std::atomic<bool> Queued{false};
};

// An OpenGL context for the picture, or none where the platform can't make
// one. With hardwareOnly also none where OpenGL is only emulated: then the
// software renderer draws the same picture for a fraction of the work.
std::unique_ptr<QOpenGLContext> CreatePictureGlContext(bool hardwareOnly);

// Draws straight into a native window of its own, so that the frames never
// pass through the top-level window's compositing. Presses on the picture
// arrive here, not at the control beneath: they are handed on as signals.
// It is a plain window drawn with the context it is given, which is the one
// that proved OpenGL works: no second context, no buffer between mpv and
// the window's own surface.
class TMpvGlWindow : public QWindow {
    Q_OBJECT
public:
    TMpvGlWindow(mpv_handle* mpv, std::unique_ptr<QOpenGLContext> gl);
    ~TMpvGlWindow() override;

signals:
    void RenderContextReady();
    void FrameRendered();
    void MousePressed(QMouseEvent* event);
    // After the second press of a double click, which came as a press too.
    void DoubleClicked(QMouseEvent* event);
    // A key or the wheel, which the picture has no use for, to be handed on.
    void InputToPass(QEvent* event);

protected:
    bool event(QEvent* event) override;
    void exposeEvent(QExposeEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    bool MakeCurrent();
    void CreateRenderContext();
    void TakeFrame();
    void Render();
    void FreeRenderContext();

    mpv_handle* Mpv;
    std::unique_ptr<QOpenGLContext> Gl;
    mpv_render_context* Context = nullptr;
    bool FramePending = false;
    TMpvRenderUpdates Updates;
};

// Draws each frame straight into the window's own image (its backing store),
// so that the picture is converted once and held once.
class TMpvSwView : public QWidget {
    Q_OBJECT
public:
    TMpvSwView(mpv_handle* mpv, QWidget* parent);
    ~TMpvSwView() override;

signals:
    void FrameRendered();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void TakeFrame();
    bool DrawStraight(QPainter& painter);
    void DrawThroughImage(QPainter& painter);
    bool Render(uchar* pixels, QSize size, qsizetype stride);

    mpv_render_context* Context = nullptr;
    TMpvRenderUpdates Updates;
    bool Drawn = false;
    QImage Frame; // only while the window's own image can't take the picture
};
