#include "skin/fcImageForm.h"

#include <QMouseEvent>
#include <QPainter>
#include <QRubberBand>
#include <QTimer>
#include <QtEndian>

#include <cstring>

namespace {

// Pause before a drag step, so that a burst of motion moves the window once.
constexpr int kDragStepDelayMs = 10;

// Pixel value as COLORREF (0x00BBGGRR).
uint32_t ColorRefOf(QRgb pixel) {
    return uint32_t(qRed(pixel)) | (uint32_t(qGreen(pixel)) << 8) | (uint32_t(qBlue(pixel)) << 16);
}

bool IsDirectColour(const QImage& image) {
    switch (image.format()) {
    case QImage::Format_RGB32:
    case QImage::Format_RGB888:
    case QImage::Format_BGR888:
        return true;
    default:
        return false;
    }
}

// One-bit mask, most significant bit leftmost: set where the pixel has the
// colour.
QImage MaskOf(const QImage& image, uint32_t colour) {
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    QImage mask(image.size(), QImage::Format_Mono);
    mask.fill(0);
    for (int y = 0; y < argb.height(); ++y) {
        const auto* src = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        uchar* dst = mask.scanLine(y);
        for (int x = 0; x < argb.width(); ++x) {
            if (ColorRefOf(src[x]) == colour)
                dst[x / 8] |= uchar(0x80 >> (x % 8));
        }
    }
    return mask;
}

// Whether a control reacts to presses itself (has click or mouse-down events).
bool HandlesPress(const QWidget* control) {
    const QMetaObject* meta = control->metaObject();
    return meta->indexOfSignal("OnMouseDown(Qt::MouseButton,Qt::KeyboardModifiers,int,int)") >= 0 ||
           meta->indexOfSignal("OnClick()") >= 0 || meta->indexOfSignal("clicked(bool)") >= 0;
}

} // namespace

QRegion BuildSkinRegion(const QImage& image, uint32_t colour) {
    if (image.width() == 0 || image.height() == 0)
        return {};
    // Pixel value and the value meaning transparent, per representation.
    const bool direct = IsDirectColour(image);
    const QImage work =
        direct ? image.convertToFormat(QImage::Format_RGB32) : MaskOf(image, colour);
    const uint32_t transparent = direct ? colour : 0;
    auto valueAt = [&](const uchar* row, int x) -> uint32_t {
        if (direct)
            return ColorRefOf(reinterpret_cast<const QRgb*>(row)[x]);
        return (row[x / 8] & (0x80 >> (x % 8))) ? 0 : 0xFFFFFF;
    };
    QRegion result;
    const int w = work.width();
    for (int y = 0; y < work.height(); ++y) {
        const uchar* row = work.constScanLine(y);
        int x = 0;
        while (x < w) {
            while (x < w && valueAt(row, x) == transparent)
                ++x;
            if (x >= w)
                break;
            const int start = x;
            while (x < w && valueAt(row, x) != transparent)
                ++x;
            result += QRect(start, y, x - start, 1);
        }
    }
    return result;
}

// ---------------------------------------------------------------------------

TfcCaptureMessageClass::TfcCaptureMessageClass(QObject* owner) : QObject(owner) {}

TfcCaptureMessageClass::~TfcCaptureMessageClass() {
    SetEnabled(false);
}

void TfcCaptureMessageClass::Attach(QWidget* window) {
    const bool wasEnabled = IsEnabled;
    SetEnabled(false);
    Hooked = window;
    SetEnabled(wasEnabled);
}

void TfcCaptureMessageClass::SetEnabled(bool enabled) {
    if (Hooked) {
        if (enabled && !IsEnabled)
            Hooked->installEventFilter(this);
        else if (!enabled && IsEnabled)
            Hooked->removeEventFilter(this);
    }
    IsEnabled = enabled && Hooked;
}

bool TfcCaptureMessageClass::eventFilter(QObject* watched, QEvent* event) {
    if (watched != Hooked)
        return false;
    bool callDefault = true;
    if (OnBeforeMessage)
        OnBeforeMessage(event, callDefault);
    // The window handles the event itself first, so that the callback sees
    // the state after the window's own handling.
    bool result = false;
    if (callDefault)
        result = static_cast<QObject*>(watched)->event(event);
    if (OnAfterMessage)
        OnAfterMessage(event);
    return callDefault ? result : true;
}

// ---------------------------------------------------------------------------

TfcCustomImage::TfcCustomImage(QWidget* parent) : QWidget(parent) {
    resize(105, 105);
}

void TfcCustomImage::SetPicture(const QImage& picture) {
    FPicture = picture;
    PictureChanged();
}

void TfcCustomImage::SetAutoSize(bool autoSize) {
    FAutoSize = autoSize;
    PictureChanged();
}

void TfcCustomImage::PictureChanged() {
    if (FAutoSize && FPicture.width() > 0 && FPicture.height() > 0)
        setGeometry(x(), y(), FPicture.width(), FPicture.height());
    const bool covers =
        !FPicture.hasAlphaChannel() && FPicture.width() >= width() && FPicture.height() >= height();
    setAttribute(Qt::WA_OpaquePaintEvent, covers);
    if (!Drawing)
        update();
}

void TfcCustomImage::paintEvent(QPaintEvent*) {
    Drawing = true;
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), FPicture);
    Drawing = false;
}

// ---------------------------------------------------------------------------

TfcCustomImageForm::TfcCustomImageForm(QWidget* host)
    : TfcCustomImage(host ? host->window() : nullptr) {
    FHost = parentWidget();
    setMouseTracking(true);
    MoveTimer = new QTimer(this);
    MoveTimer->setSingleShot(true);
    MoveTimer->setInterval(kDragStepDelayMs);
    connect(MoveTimer, &QTimer::timeout, this, [this] { MoveHostToCursor(); });
    if (!FHost)
        return;
    setGeometry(FHost->rect());
    lower();
    if (!(FHost->windowFlags() & Qt::FramelessWindowHint))
        FHost->setWindowFlags(FHost->windowFlags() | Qt::FramelessWindowHint);
    Hook = new TfcCaptureMessageClass(this);
    Hook->OnAfterMessage = [this](QEvent* event) { AfterHostMessage(event); };
    Hook->Attach(FHost);
    Hook->SetEnabled(true);
}

TfcCustomImageForm::~TfcCustomImageForm() {
    delete Hook;
    delete Outline;
}

void TfcCustomImageForm::SetPicture(const QImage& picture) {
    TfcCustomImage::SetPicture(picture);
    if (FHost && picture.width() > 0 && picture.height() > 0)
        FHost->resize(picture.size());
}

void TfcCustomImageForm::PictureChanged() {
    TfcCustomImage::PictureChanged();
    if (AutoSize() && FHost)
        FHost->resize(size());
}

uint32_t TfcCustomImageForm::EffectiveTransparentColor() const {
    if (FTransparentColor != clNone || Picture().isNull())
        return FTransparentColor;
    return ColorRefOf(Picture().pixel(0, Picture().height() - 1));
}

void TfcCustomImageForm::ApplyRegion() {
    if (!FHost)
        return;
    if (FRegion.isEmpty())
        FHost->clearMask();
    else
        FHost->setMask(FRegion);
}

void TfcCustomImageForm::RebuildRegion() {
    FRegion = BuildSkinRegion(Picture(), EffectiveTransparentColor());
    ApplyRegion();
}

void TfcCustomImageForm::ClearRegion() {
    FRegion = QRegion();
    if (FHost)
        FHost->clearMask();
}

QByteArray TfcCustomImageForm::RegionData() {
    RebuildRegion();
    return WriteRegionData(FRegion);
}

void TfcCustomImageForm::SetRegionData(const QByteArray& data) {
    const uint32_t size = data.size() >= 4 ? qFromLittleEndian<uint32_t>(data.constData()) : 0;
    if (size == 0) {
        RebuildRegion();
        return;
    }
    // A size beyond the data read makes the shape unusable; the window then
    // stays rectangular, as with any shape that cannot be created.
    const std::optional<QRegion> region =
        size <= uint32_t(data.size() - 4) ? ReadRegionBytes(data.mid(4, int(size))) : std::nullopt;
    FRegion = region.value_or(QRegion());
    if (region)
        ApplyRegion();
}

// The topmost visible direct child of the host under the point, disabled
// ones included. Children that let the mouse through (overlays that only
// paint) are not under the point: the press reaches what lies below them.
QWidget* TfcCustomImageForm::ControlAt(const QPoint& point) const {
    const QObjectList& children = FHost->children();
    for (auto it = children.crbegin(); it != children.crend(); ++it) {
        auto* child = qobject_cast<QWidget*>(*it);
        if (child && !child->isWindow() && child->isVisible() &&
            !child->testAttribute(Qt::WA_TransparentForMouseEvents) &&
            child->geometry().contains(point))
            return child;
    }
    return nullptr;
}

void TfcCustomImageForm::AfterHostMessage(QEvent* event) {
    switch (event->type()) {
    case QEvent::Resize:
        setGeometry(FHost->rect());
        break;
    case QEvent::MouseButtonPress:
        // A drag whose grab was lost (another window took it) is over; this
        // press may start the next one.
        if (InDragLoop && QWidget::mouseGrabber() != FHost)
            EndDragLoop();
        if (!InDragLoop)
            HostMousePress(static_cast<QMouseEvent*>(event));
        break;
    case QEvent::Hide:
        EndDragLoop(); // hiding the host takes its grab away
        break;
    case QEvent::MouseMove:
    case QEvent::MouseButtonRelease:
        if (InDragLoop)
            HostDragEvent(event);
        break;
    default:
        break;
    }
}

void TfcCustomImageForm::HostMousePress(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint point = event->position().toPoint();
    QWidget* control = ControlAt(point);
    if (!control)
        return;
    const bool start = FCaptionBarControl
                           ? (!HandlesPress(control) || control == FCaptionBarControl)
                           : control == this;
    if (start)
        StartWindowDrag(event->buttons() | event->button(), point.x() - x(), point.y() - y());
}

void TfcCustomImageForm::StartWindowDrag(Qt::MouseButtons buttons, int x, int y) {
    if (FCaptionBarControl && !FCaptionBarControl->geometry().contains(x, y))
        return;
    if (buttons & Qt::LeftButton)
        RunDragLoop(x, y);
}

void TfcCustomImageForm::RunDragLoop(int x, int y) {
    InDragLoop = true;
    Grab = QPoint(x, y);
    Frame = QRect();
    FHost->grabMouse();
}

void TfcCustomImageForm::HostDragEvent(QEvent* event) {
    // Another window taking the mouse ends the drag.
    if (QWidget::mouseGrabber() != FHost) {
        EndDragLoop();
        return;
    }
    auto* mouse = static_cast<QMouseEvent*>(event);
    const QPoint cursor = mouse->globalPosition().toPoint();
    if (event->type() == QEvent::MouseMove) {
        DragMoveStep(Grab.x(), Grab.y(), cursor);
    } else if (mouse->button() == Qt::LeftButton) {
        DragFinish(Grab.x(), Grab.y(), cursor);
        EndDragLoop();
        const QPoint p = cursor - ClientOrigin();
        emit OnMouseUp(mouse->button(), mouse->modifiers(), p.x(), p.y());
    }
}

void TfcCustomImageForm::EndDragLoop() {
    if (!InDragLoop)
        return;
    InDragLoop = false;
    // A qualifying move waiting for its step still takes place.
    if (MoveTimer->isActive()) {
        MoveTimer->stop();
        MoveHostToCursor();
    }
    FDragging = false;
    if (QWidget::mouseGrabber() == FHost)
        FHost->releaseMouse();
}

void TfcCustomImageForm::DragMoveStep(int x, int y, const QPoint& cursor) {
    const QPoint s = ClientOrigin() + QPoint(x, y);
    if (std::abs(cursor.x() - s.x()) <= FDragTolerance &&
        std::abs(cursor.y() - s.y()) <= FDragTolerance)
        return;
    if (UsesWindowsDrag()) {
        FDragging = true;
        PendingCursor = cursor;
        if (!MoveTimer->isActive())
            MoveTimer->start();
        return;
    }
    if (FDragging)
        DrawDragFrame(LastFrame);
    FDragging = true;
    Frame = QRect(cursor - QPoint(x, y), FHost->frameSize());
    DrawDragFrame(Frame);
    LastFrame = Frame;
}

// Screen position of the control's top-left corner, from the host's own
// geometry (which a move updates at once).
QPoint TfcCustomImageForm::ClientOrigin() const {
    return FHost->geometry().topLeft() + pos();
}

void TfcCustomImageForm::MoveHostToCursor() {
    FHost->move(PendingCursor - Grab - pos());
    emit OnPosChange(this);
}

void TfcCustomImageForm::DragFinish(int, int, const QPoint&) {
    if (!FDragging || UsesWindowsDrag())
        return;
    FDragging = false;
    DrawDragFrame(LastFrame);
    FHost->move(Frame.topLeft() - pos());
    FHost->show();
}

bool TfcCustomImageForm::UsesWindowsDrag() const {
    return FOptions.testFlag(TfcImageFormOption::ifUseWindowsDrag);
}

// Drawing the same outline twice removes it.
void TfcCustomImageForm::DrawDragFrame(const QRect& frame) {
    if (!Outline)
        Outline = new QRubberBand(QRubberBand::Rectangle);
    if (Outline->isVisible() && Outline->geometry() == frame) {
        Outline->hide();
        return;
    }
    Outline->setGeometry(frame);
    Outline->show();
}

void TfcCustomImageForm::mousePressEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    emit OnMouseDown(event->button(), event->modifiers(), p.x(), p.y());
    // The host decides about dragging once it has seen the press.
    event->ignore();
}

void TfcCustomImageForm::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    emit OnMouseMove(event->buttons() & Qt::LeftButton ? Qt::LeftButton : Qt::NoButton,
                     event->modifiers(), p.x(), p.y());
    event->ignore();
}

void TfcCustomImageForm::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    emit OnMouseUp(event->button(), event->modifiers(), p.x(), p.y());
    event->ignore();
}
