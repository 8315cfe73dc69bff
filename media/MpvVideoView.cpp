#include "media/MpvVideoView.h"

#include "shell/Exceptions.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QPainter>

#include <utility>

#include <mpv/render.h>
#include <mpv/render_gl.h>

TMpvRenderUpdates::TMpvRenderUpdates(QObject* view, std::function<void()> newFrame)
    : View(view), NewFrame(std::move(newFrame)) {}

void TMpvRenderUpdates::Attach(mpv_render_context* context) {
    Context = context;
    mpv_render_context_set_update_callback(Context, &TMpvRenderUpdates::OnUpdate, this);
}

void TMpvRenderUpdates::Detach() {
    if (Context)
        mpv_render_context_set_update_callback(Context, nullptr, nullptr);
    Context = nullptr;
}

void TMpvRenderUpdates::OnUpdate(void* self) {
    auto* updates = static_cast<TMpvRenderUpdates*>(self);
    // mpv may call this often and from its own threads; one pending call is enough.
    if (updates->Queued.exchange(true))
        return;
    QMetaObject::invokeMethod(
        updates->View, [updates] { updates->Drain(); }, Qt::QueuedConnection);
}

void TMpvRenderUpdates::Drain() {
    Queued = false;
    if (Context && (mpv_render_context_update(Context) & MPV_RENDER_UPDATE_FRAME))
        NewFrame();
}

namespace {

void* GlProcAddress(void*, const char* name) {
    QOpenGLContext* context = QOpenGLContext::currentContext();
    return context ? reinterpret_cast<void*>(context->getProcAddress(name)) : nullptr;
}

} // namespace

std::unique_ptr<QOpenGLContext> CreatePictureGlContext() {
    // The offscreen platform has no GL and crashes when asked for one.
    const QString platform = QGuiApplication::platformName();
    if (platform == "offscreen" || platform == "minimal")
        return nullptr;
    auto context = std::make_unique<QOpenGLContext>();
    if (!context->create())
        return nullptr;
    return context;
}

TMpvGlWindow::TMpvGlWindow(mpv_handle* mpv, std::unique_ptr<QOpenGLContext> gl)
    : Mpv(mpv), Gl(std::move(gl)), Updates(this, [this] {
          FramePending = true;
          requestUpdate();
      }) {
    setSurfaceType(QSurface::OpenGLSurface);
    // Keys stay with the widgets around the picture.
    setFlag(Qt::WindowDoesNotAcceptFocus);
}

TMpvGlWindow::~TMpvGlWindow() {
    // mpv's render context must go while its GL context is current. The
    // container has already taken the native window away: a surface of the
    // context's own stands in.
    if (!Context)
        return;
    QOffscreenSurface stand(Gl->screen());
    stand.setFormat(Gl->format());
    stand.create();
    Gl->makeCurrent(&stand);
    FreeRenderContext();
    Gl->doneCurrent();
}

bool TMpvGlWindow::MakeCurrent() {
    return handle() && Gl->makeCurrent(this);
}

// Made as soon as the window has a surface, shown or not: the control loads
// its first file only once the render context exists.
void TMpvGlWindow::CreateRenderContext() {
    if (Context || !MakeCurrent())
        return;
    mpv_opengl_init_params glInit{&GlProcAddress, nullptr};
    char apiType[] = MPV_RENDER_API_TYPE_OPENGL;
    mpv_render_param params[] = {{MPV_RENDER_PARAM_API_TYPE, apiType},
                                 {MPV_RENDER_PARAM_OPENGL_INIT_PARAMS, &glInit},
                                 {MPV_RENDER_PARAM_INVALID, nullptr}};
    const int error = mpv_render_context_create(&Context, Mpv, params);
    if (error < 0) {
        Context = nullptr;
        throw Exception(mpv_error_string(error));
    }
    Updates.Attach(Context);
    emit RenderContextReady();
}

void TMpvGlWindow::Render() {
    if (!Context || !isExposed() || !MakeCurrent())
        return;
    const qreal ratio = devicePixelRatio();
    mpv_opengl_fbo fbo{static_cast<int>(Gl->defaultFramebufferObject()),
                       static_cast<int>(width() * ratio), static_cast<int>(height() * ratio), 0};
    int flipY = 1;
    mpv_render_param params[] = {{MPV_RENDER_PARAM_OPENGL_FBO, &fbo},
                                 {MPV_RENDER_PARAM_FLIP_Y, &flipY},
                                 {MPV_RENDER_PARAM_INVALID, nullptr}};
    mpv_render_context_render(Context, params);
    Gl->swapBuffers(this);
    mpv_render_context_report_swap(Context);
    if (std::exchange(FramePending, false))
        emit FrameRendered();
}

bool TMpvGlWindow::event(QEvent* event) {
    if (event->type() == QEvent::UpdateRequest) {
        Render();
        return true;
    }
    return QWindow::event(event);
}

void TMpvGlWindow::exposeEvent(QExposeEvent*) {
    CreateRenderContext();
    Render();
}

void TMpvGlWindow::resizeEvent(QResizeEvent*) {
    CreateRenderContext();
    requestUpdate();
}

void TMpvGlWindow::mousePressEvent(QMouseEvent* event) {
    emit MousePressed(event);
}

void TMpvGlWindow::mouseDoubleClickEvent(QMouseEvent* event) {
    emit DoubleClicked(event);
}

void TMpvGlWindow::keyPressEvent(QKeyEvent* event) {
    emit InputToPass(event);
}

void TMpvGlWindow::wheelEvent(QWheelEvent* event) {
    emit InputToPass(event);
}

void TMpvGlWindow::FreeRenderContext() {
    Updates.Detach();
    mpv_render_context_free(Context);
    Context = nullptr;
}

TMpvSwView::TMpvSwView(mpv_handle* mpv, QWidget* parent)
    : QWidget(parent), Updates(this, [this] {
          if (RenderFrame())
              emit FrameRendered();
      }) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    char apiType[] = MPV_RENDER_API_TYPE_SW;
    mpv_render_param params[] = {{MPV_RENDER_PARAM_API_TYPE, apiType},
                                 {MPV_RENDER_PARAM_INVALID, nullptr}};
    const int error = mpv_render_context_create(&Context, mpv, params);
    if (error < 0)
        throw Exception(mpv_error_string(error));
    Updates.Attach(Context);
}

TMpvSwView::~TMpvSwView() {
    Updates.Detach();
    mpv_render_context_free(Context);
}

bool TMpvSwView::RenderFrame() {
    // Rendered as soon as mpv has a frame, shown or not, so that playback
    // never waits for a paint.
    if (Frame.size() != size() || Frame.isNull())
        Frame = QImage(size().expandedTo(QSize(1, 1)), QImage::Format_RGBX8888);
    int frameSize[2] = {Frame.width(), Frame.height()};
    char format[] = "rgb0";
    size_t stride = Frame.bytesPerLine();
    mpv_render_param params[] = {{MPV_RENDER_PARAM_SW_SIZE, frameSize},
                                 {MPV_RENDER_PARAM_SW_FORMAT, format},
                                 {MPV_RENDER_PARAM_SW_STRIDE, &stride},
                                 {MPV_RENDER_PARAM_SW_POINTER, Frame.bits()},
                                 {MPV_RENDER_PARAM_INVALID, nullptr}};
    if (mpv_render_context_render(Context, params) < 0)
        return false;
    update();
    return true;
}

void TMpvSwView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (Frame.isNull())
        painter.fillRect(rect(), Qt::black);
    else
        painter.drawImage(rect(), Frame);
}

void TMpvSwView::resizeEvent(QResizeEvent*) {
    RenderFrame();
}
