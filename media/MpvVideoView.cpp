#include "media/MpvVideoView.h"

#include "platform/Exceptions.h"
#include "platform/GraphicsDevice.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QPaintEngine>
#include <QPaintEvent>
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

// The engine writes its pixels with the fourth byte undefined: fine for an
// image without alpha, and for an opaque window's image, whose alpha the
// display never reads (the window system paints in the premultiplied layout).
bool TakesEngineFrames(const QImage& image, const QWidget& window) {
    return image.format() == QImage::Format_RGB32 ||
           (image.format() == QImage::Format_ARGB32_Premultiplied &&
            !window.testAttribute(Qt::WA_TranslucentBackground));
}

bool IsSoftwareRenderer(QOpenGLContext& context) {
    QOffscreenSurface surface(context.screen());
    surface.setFormat(context.format());
    surface.create();
    if (!context.makeCurrent(&surface))
        return true;
    const auto* name = reinterpret_cast<const char*>(context.functions()->glGetString(GL_RENDERER));
    const QByteArray renderer = QByteArray(name ? name : "").toLower();
    context.doneCurrent();
    return renderer.contains("llvmpipe") || renderer.contains("softpipe") ||
           renderer.contains("swrast") || renderer.contains("software rasterizer");
}

// Counts as drawn, so the engine goes on to the next frame.
void SkipFrame(mpv_render_context* context) {
    int skip = 1;
    mpv_render_param params[] = {{MPV_RENDER_PARAM_SKIP_RENDERING, &skip},
                                 {MPV_RENDER_PARAM_INVALID, nullptr}};
    mpv_render_context_render(context, params);
}

} // namespace

std::unique_ptr<QOpenGLContext> CreatePictureGlContext(bool hardwareOnly) {
    // The offscreen platform has no GL and crashes when asked for one.
    const QString platform = QGuiApplication::platformName();
    if (platform == "offscreen" || platform == "minimal")
        return nullptr;
    // Decided before any OpenGL is loaded, so that on a machine without a
    // graphics device the rasteriser (libLLVM, 55 MB) never comes in.
    if (hardwareOnly && !GraphicsHardwarePresent())
        return nullptr;
    auto context = std::make_unique<QOpenGLContext>();
    if (!context->create())
        return nullptr;
    // The device can still be the wrong guess: a remote display, a virtual
    // GPU without 3D, a driver Mesa can't use. What the context reports
    // settles it; the rasteriser stays loaded then, but draws nothing.
    if (hardwareOnly && IsSoftwareRenderer(*context))
        return nullptr;
    return context;
}

TMpvGlWindow::TMpvGlWindow(mpv_handle* mpv, std::unique_ptr<QOpenGLContext> gl)
    : Mpv(mpv), Gl(std::move(gl)), Updates(this, [this] { TakeFrame(); }) {
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
    // Hardware decoding hands its frames over through the display connection.
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    mpv_render_param params[] = {{MPV_RENDER_PARAM_API_TYPE, apiType},
                                 {MPV_RENDER_PARAM_OPENGL_INIT_PARAMS, &glInit},
                                 {x11 ? MPV_RENDER_PARAM_X11_DISPLAY : MPV_RENDER_PARAM_INVALID,
                                  x11 ? x11->display() : nullptr},
                                 {MPV_RENDER_PARAM_INVALID, nullptr}};
    const int error = mpv_render_context_create(&Context, Mpv, params);
    if (error < 0) {
        Context = nullptr;
        throw Exception(mpv_error_string(error));
    }
    Updates.Attach(Context);
    emit RenderContextReady();
}

void TMpvGlWindow::TakeFrame() {
    FramePending = true;
    if (isExposed())
        requestUpdate();
    else
        Render();
}

void TMpvGlWindow::Render() {
    if (!Context || !MakeCurrent())
        return;
    // A frame nobody can see is passed over: the engine holds each one until
    // it is drawn, and would fall behind waiting.
    if (!isExposed()) {
        SkipFrame(Context);
    } else {
        const qreal ratio = devicePixelRatio();
        mpv_opengl_fbo fbo{static_cast<int>(Gl->defaultFramebufferObject()),
                           static_cast<int>(width() * ratio), static_cast<int>(height() * ratio),
                           0};
        int flipY = 1;
        mpv_render_param params[] = {{MPV_RENDER_PARAM_OPENGL_FBO, &fbo},
                                     {MPV_RENDER_PARAM_FLIP_Y, &flipY},
                                     {MPV_RENDER_PARAM_INVALID, nullptr}};
        mpv_render_context_render(Context, params);
        Gl->swapBuffers(this);
    }
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
    : QWidget(parent), Updates(this, [this] { TakeFrame(); }) {
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

// The engine holds each frame until it is drawn, so it is drawn at once,
// and passed over where nothing shows it.
void TMpvSwView::TakeFrame() {
    Drawn = false;
    if (isVisible())
        repaint();
    if (!Drawn)
        SkipFrame(Context);
    emit FrameRendered();
}

bool TMpvSwView::Render(uchar* pixels, QSize size, qsizetype stride) {
    int frameSize[2] = {size.width(), size.height()};
    char format[] = "bgr0"; // Format_RGB32 in memory
    auto lineBytes = static_cast<size_t>(stride);
    mpv_render_param params[] = {{MPV_RENDER_PARAM_SW_SIZE, frameSize},
                                 {MPV_RENDER_PARAM_SW_FORMAT, format},
                                 {MPV_RENDER_PARAM_SW_STRIDE, &lineBytes},
                                 {MPV_RENDER_PARAM_SW_POINTER, pixels},
                                 {MPV_RENDER_PARAM_INVALID, nullptr}};
    return mpv_render_context_render(Context, params) >= 0;
}

// The engine draws the whole frame into the image the painter paints on (the
// window's backing store) where that image has a layout the engine writes;
// in device pixels, as OpenGL draws.
bool TMpvSwView::DrawStraight(QPainter& painter) {
    QPaintEngine* engine = painter.paintEngine();
    QPaintDevice* device = engine ? engine->paintDevice() : nullptr;
    if (!device || device->devType() != QInternal::Image)
        return false;
    auto* image = static_cast<QImage*>(device);
    const QTransform& toDevice = painter.deviceTransform();
    if (!TakesEngineFrames(*image, *window()) || toDevice.type() > QTransform::TxScale)
        return false;
    const QRect area = toDevice.mapRect(QRectF(rect())).toAlignedRect() & image->rect();
    if (area.isEmpty())
        return true;
    const qsizetype stride = image->bytesPerLine();
    return Render(image->bits() + area.top() * stride + area.left() * 4, area.size(), stride);
}

// Anything else (part of the view, a window with an alpha channel, a shallow
// screen) gets the frame through an image of the view's own.
void TMpvSwView::DrawThroughImage(QPainter& painter) {
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * ratio).toSize().expandedTo(QSize(1, 1));
    if (Frame.size() != pixels) {
        Frame = QImage(pixels, QImage::Format_RGB32);
        Frame.setDevicePixelRatio(ratio);
    }
    if (Render(Frame.bits(), Frame.size(), Frame.bytesPerLine()))
        painter.drawImage(rect(), Frame);
    else
        painter.fillRect(rect(), Qt::black);
}

void TMpvSwView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    // Drawing past the painter passes its clipping too: straight only when
    // the whole view is to be drawn (not under a window that partly covers
    // it, say), and the view's own image goes once it is no longer needed.
    if (event->region().contains(rect()) && DrawStraight(painter))
        Frame = QImage();
    else
        DrawThroughImage(painter);
    Drawn = true;
}
