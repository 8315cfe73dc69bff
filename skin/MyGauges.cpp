#include "skin/MyGauges.h"

#include "skin/SkinAccessible.h"
#include "skin/SkinColors.h"
#include "skin/SkinErrors.h"

#include <QMouseEvent>
#include <QPainter>

#include <climits>
#include <cmath>
#include <numbers>

namespace {

// Pixelwise exclusive or of src into dst (same size).
void XorInto(QImage& dst, const QImage& src) {
    for (int y = 0; y < dst.height(); ++y) {
        auto* d = reinterpret_cast<QRgb*>(dst.scanLine(y));
        const auto* s = reinterpret_cast<const QRgb*>(src.constScanLine(y));
        for (int x = 0; x < dst.width(); ++x)
            d[x] = 0xFF000000 | ((d[x] ^ s[x]) & 0x00FFFFFF);
    }
}

void FillRect(QImage& image, int l, int t, int r, int b, uint32_t colour) {
    QPainter p(&image);
    p.fillRect(QRect(QPoint(l, t), QPoint(r - 1, b - 1)), ColorRefToQColor(colour));
}

int Nearest(long double v) {
    return int(std::nearbyint(v));
}

// Angle in sixteenths of a degree of a point seen from a centre, y downward.
int AngleOf(QPointF centre, QPointF point) {
    const double rad = std::atan2(centre.y() - point.y(), point.x() - centre.x());
    return int(std::lround(rad * 180.0 / std::numbers::pi * 16.0));
}

// Pie in the bounding box (l, t)-(r, b), counter-clockwise from the radial
// through start to the radial through end; equal radials give a full pie.
void DrawPie(QPainter& p, int l, int t, int r, int b, QPoint start, QPoint end) {
    const QRectF box(l, t, r - l - 1, b - t - 1);
    const int a0 = AngleOf(box.center(), start);
    int span = (AngleOf(box.center(), end) - a0) % (360 * 16);
    if (span <= 0)
        span += 360 * 16;
    p.drawPie(box, a0, span);
}

} // namespace

void TBltBitmap::MakeLike(const QImage& templ) {
    QImage::operator=(QImage(templ.size(), QImage::Format_RGB32));
    fill(Qt::black); // the window-frame colour
}

TMyGauge::TMyGauge(QWidget* parent) : QWidget(parent) {
    InstallSkinAccessibility();
    resize(100, 100);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    if (parent)
        FColor = QColorToColorRef(parent->palette().color(QPalette::Window));
}

void TMyGauge::SetKind(TGaugeKind kind) {
    StoreAndRepaint(FKind, kind);
}

void TMyGauge::SetShowText(bool showText) {
    StoreAndRepaint(FShowText, showText);
}

void TMyGauge::SetBorderStyle(TBorderStyle style) {
    StoreAndRepaint(FBorderStyle, style);
}

void TMyGauge::SetForeColor(uint32_t colour) {
    StoreAndRepaint(FForeColor, colour);
}

void TMyGauge::SetBackColor(uint32_t colour) {
    StoreAndRepaint(FBackColor, colour);
}

void TMyGauge::SetColor(uint32_t colour) {
    StoreAndRepaint(FColor, colour);
}

void TMyGauge::SetMinValue(int value) {
    if (value == FMinValue)
        return;
    if (value > FMaxValue && !Loading)
        throw EInvalidOperation(
            tr("Value must be between %1 and %2").arg(-INT_MAX).arg(FMaxValue - 1).toStdString());
    FMinValue = value;
    if (FProgress < value)
        FProgress = value;
    update();
}

void TMyGauge::SetMaxValue(int value) {
    if (value == FMaxValue)
        return;
    if (value < FMinValue && !Loading)
        throw EInvalidOperation(
            tr("Value must be between %1 and %2").arg(FMinValue + 1).arg(INT_MAX).toStdString());
    FMaxValue = value;
    if (FProgress > value)
        FProgress = value;
    update();
}

void TMyGauge::SetProgress(int value) {
    const int before = PercentDone();
    if (value < FMinValue)
        value = FMinValue;
    if (value > FMaxValue)
        value = FMaxValue;
    if (value == FProgress)
        return;
    FProgress = value;
    AnnounceValueChange(this, value);
    if (PercentDone() != before)
        update();
}

int TMyGauge::PercentDone() const {
    const long double span = (long double)FMaxValue - FMinValue;
    if (span == 0)
        return 0;
    return int(std::trunc(((long double)FProgress - FMinValue) * 100 / span));
}

QImage TMyGauge::PaintImage() const {
    QImage image(size(), QImage::Format_RGB32);
    image.fill(Qt::black);
    QRect r = rect();
    if (FBorderStyle == TBorderStyle::bsSingle)
        r.adjust(1, 1, -1, -1);
    TBltBitmap overlay;
    overlay.MakeLike(image);
    overlay.fill(Qt::black);
    switch (FKind) {
    case TGaugeKind::gkText:
        PaintAsText(overlay, r);
        break;
    case TGaugeKind::gkHorizontalBar:
    case TGaugeKind::gkVerticalBar:
        PaintAsBar(overlay, r);
        break;
    case TGaugeKind::gkPie:
        PaintAsPie(overlay, r);
        break;
    case TGaugeKind::gkNeedle:
        PaintAsNeedle(overlay, r);
        break;
    }
    XorInto(image, overlay);
    if (FShowText)
        PaintPercentText(image, r);
    return image;
}

// Rectangles below are left, top, right, bottom with right and bottom
// exclusive, as the bar arithmetic uses them.
void TMyGauge::PaintAsText(QImage& image, const QRect& r) const {
    FillRect(image, r.left(), r.top(), r.right() + 1, r.bottom() + 1, FBackColor);
}

void TMyGauge::PaintAsBar(QImage& image, const QRect& r) const {
    const int l = r.left(), t = r.top(), rt = r.right() + 1, b = r.bottom() + 1;
    const int w = rt - l + 1, h = b - t + 1;
    FillRect(image, l, t, rt, b, FBackColor);
    if (FKind == TGaugeKind::gkHorizontalBar) {
        int fill = int(std::trunc(w * (PercentDone() * 0.01L)));
        fill = std::min(fill, w);
        if (fill >= 1)
            FillRect(image, l, t, fill, h, FForeColor);
        return;
    }
    int fill = int(std::trunc(h * (PercentDone() * 0.01L)));
    if (fill >= h)
        fill = h - 1;
    FillRect(image, l, h - fill, w, h, FForeColor);
}

void TMyGauge::PaintAsPie(QImage& image, const QRect& r) const {
    const int extra = FBorderStyle == TBorderStyle::bsSingle ? 1 : 0;
    const int l = r.left(), t = r.top();
    const int w = r.right() + 1 - l + extra, h = r.bottom() + 1 - t + extra;
    FillRect(image, l, t, r.right() + 1, r.bottom() + 1, FColor);
    QPainter p(&image);
    p.setPen(ColorRefToQColor(FForeColor));
    p.setBrush(ColorRefToQColor(FBackColor));
    p.drawEllipse(QRectF(l, t, w - l - 1, h - t - 1));
    if (PercentDone() <= 0)
        return;
    const int mx = w / 2, my = h / 2;
    const long double angle = std::numbers::pi_v<long double> * (PercentDone() / 50.0L + 0.5L);
    p.setBrush(ColorRefToQColor(FForeColor));
    DrawPie(p, l, t, w, h,
            QPoint(Nearest(mx * (1 - std::cos(angle))), Nearest(my * (1 - std::sin(angle)))),
            QPoint(mx, 0));
}

void TMyGauge::PaintAsNeedle(QImage& image, const QRect& r) const {
    const int extra = FBorderStyle == TBorderStyle::bsSingle ? 1 : 0;
    const int l = r.left(), t = r.top(), b = r.bottom() + 1;
    const int w = r.right() + 1 - l + extra, h = b - t + extra;
    FillRect(image, l, t, r.right() + 1, b, FColor);
    QPainter p(&image);
    p.setPen(ColorRefToQColor(FForeColor));
    p.setBrush(ColorRefToQColor(FBackColor));
    DrawPie(p, l, t, w, 2 * h - 1, QPoint(l + w, b - 1), QPoint(l, b - 1));
    p.drawLine(l, b, l + w, b);
    if (PercentDone() <= 0)
        return;
    const int mx = width() / 2;
    const long double a = std::numbers::pi_v<long double> * PercentDone() / 100;
    p.drawLine(mx, b - 1, Nearest(mx * (1 - std::cos(a))), Nearest((b - 1) * (1 - std::sin(a))));
}

// The percentage is laid over the picture by exclusive or, so it reads
// against the bar and the background alike.
void TMyGauge::PaintPercentText(QImage& image, const QRect& r) const {
    const QString text = QString("%1%").arg(PercentDone());
    TBltBitmap bitmap;
    bitmap.MakeLike(image);
    bitmap.fill(Qt::black);
    QPainter p(&bitmap);
    QFont f = font();
    f.setStyleStrategy(QFont::NoAntialias);
    p.setFont(f);
    p.setPen(Qt::white);
    const QFontMetrics fm(f);
    const int x = (r.right() + 1 - r.left() + 1 - fm.horizontalAdvance(text)) / 2;
    const int y = (r.bottom() + 1 - r.top() + 1 - fm.height()) / 2;
    p.setClipRect(r);
    p.drawText(x, y + fm.ascent(), text);
    p.end();
    XorInto(image, bitmap);
}

void TMyGauge::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), PaintImage());
}

void TMyGauge::mousePressEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    emit OnMouseDown(event->button(), event->modifiers(), p.x(), p.y());
}

void TMyGauge::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    emit OnMouseMove(event->buttons() & Qt::LeftButton ? Qt::LeftButton : Qt::NoButton,
                     event->modifiers(), p.x(), p.y());
}

void TMyGauge::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    emit OnMouseUp(event->button(), event->modifiers(), p.x(), p.y());
}
