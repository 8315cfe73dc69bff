#pragma once
// The picture of the libmpv control: mpv's render API drawing either through
// OpenGL or, where no OpenGL context can be made, through its software
// renderer into an image. Mouse presses are left to the control beneath.

#include <QImage>
#include <QOpenGLWidget>

#include <atomic>
#include <functional>

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

class TMpvGlView : public QOpenGLWidget {
    Q_OBJECT
public:
    TMpvGlView(mpv_handle* mpv, QWidget* parent);
    ~TMpvGlView() override;
    bool HasRenderContext() const { return Context != nullptr; }

signals:
    void RenderContextReady();
    void FrameRendered();

protected:
    void initializeGL() override;
    void paintGL() override;

private:
    void ContextAboutToBeDestroyed();
    void FreeRenderContext();

    mpv_handle* Mpv;
    mpv_render_context* Context = nullptr;
    bool FramePending = false;
    TMpvRenderUpdates Updates;
};

class TMpvSwView : public QWidget {
    Q_OBJECT
public:
    TMpvSwView(mpv_handle* mpv, QWidget* parent);
    ~TMpvSwView() override;

signals:
    void FrameRendered();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    bool RenderFrame();

    mpv_render_context* Context = nullptr;
    TMpvRenderUpdates Updates;
    QImage Frame;
};
