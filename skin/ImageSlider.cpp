#include "skin/ImageSlider.h"

#include "skin/SkinAccessible.h"
#include "skin/SkinColors.h"

#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace {

// Hot spot of the pointing hand: the tip of the index finger.
constexpr int kHandHotX = 6;
constexpr int kHandHotY = 0;

} // namespace

TImageSlider::TImageSlider(QWidget* parent) : QWidget(parent) {
    InstallSkinAccessibility();
    setFocusPolicy(Qt::TabFocus);
    FGlyphNormal = QImage(":/art/slider_normal.png");
    FGlyphEnter = QImage(":/art/slider_enter.png");
    FGlyphDown = QImage(":/art/slider_down.png");
    FGlyphInactive = QImage(":/art/slider_inactive.png");
    ShowGlyph(FGlyphNormal);
    setCursor(HandPointCursor());
}

QCursor TImageSlider::HandPointCursor() {
    return QCursor(QPixmap(":/art/handpoint.png"), kHandHotX, kHandHotY);
}

void TImageSlider::SetSliderGlyphNormal(const QImage& glyph) {
    FGlyphNormal = glyph;
}
void TImageSlider::SetSliderGlyphEnter(const QImage& glyph) {
    FGlyphEnter = glyph;
}
void TImageSlider::SetSliderGlyphDown(const QImage& glyph) {
    FGlyphDown = glyph;
}
void TImageSlider::SetSliderGlyphInactive(const QImage& glyph) {
    FGlyphInactive = glyph;
}

void TImageSlider::SetSliderMaxValue(long double value) {
    FMaxValue = value < FMinValue ? FMinValue : value;
}

void TImageSlider::SetSliderMinValue(long double value) {
    FMinValue = value > FMaxValue ? FMaxValue : value;
}

void TImageSlider::SetSliderMaxVisibleLeft(int value) {
    FVisibleLeft = value > FVisibleRight ? FVisibleRight : value;
}

void TImageSlider::SetSliderMaxVisibleRight(int value) {
    FVisibleRight = value < FVisibleLeft ? FVisibleLeft : value;
}

void TImageSlider::SetSliderMaxVisibleTop(int value) {
    FVisibleTop = value > FVisibleBottom ? FVisibleBottom : value;
}

void TImageSlider::SetSliderMaxVisibleBottom(int value) {
    FVisibleBottom = value < FVisibleTop ? FVisibleTop : value;
}

int TImageSlider::Lo() const {
    return FOrientation == TImageSliderOrientation::isoHorizontal ? FVisibleLeft : FVisibleTop;
}

int TImageSlider::Hi() const {
    return FOrientation == TImageSliderOrientation::isoHorizontal ? FVisibleRight : FVisibleBottom;
}

// With equal limits or an empty range the knob has one place, the minimum.
long double TImageSlider::PositionToValue(int position) const {
    const long double span = double(FMaxValue - FMinValue);
    if (Hi() == Lo())
        return FMinValue;
    long double v = (position - Lo()) * span / (Hi() - Lo());
    v = std::max(v, 0.0L);
    return std::min(v + FMinValue, FMaxValue);
}

int TImageSlider::ValueToPosition(long double value) const {
    const long double span = double(FMaxValue - FMinValue);
    if (span == 0)
        return Lo();
    // Far-off values are held to a few travels so the integer cannot overflow.
    const long double travel = std::abs(Hi() - Lo()) + 1.0L;
    const long double offset = std::clamp(
        std::nearbyint((value - FMinValue) / span * (Hi() - Lo())), -4 * travel, 4 * travel);
    return std::max(Lo(), Lo() + int(offset));
}

void TImageSlider::SetSliderPosValue(long double value) {
    const long double before = FPosValue;
    if (value >= FMaxValue)
        FPosValue = FMaxValue;
    else if (value <= FMinValue)
        FPosValue = FMinValue;
    else
        FPosValue = value;
    const int p = std::clamp(ValueToPosition(FPosValue), Lo(), Hi());
    if (FOrientation == TImageSliderOrientation::isoHorizontal)
        move(p, y());
    else
        move(x(), p);
    if (FPosValue != before)
        AnnounceValueChange(this, double(FPosValue));
    // The listener hears what was asked for, not the clamped value.
    emit OnSliderPosChange(this, value);
}

void TImageSlider::SetEnabled(bool enabled) {
    FEnabled = enabled;
    ShowGlyph(enabled ? FGlyphNormal : FGlyphInactive);
    if (enabled)
        setCursor(HandPointCursor());
    else
        unsetCursor();
    setEnabled(enabled);
}

void TImageSlider::ShowGlyph(const QImage& glyph) {
    if (glyph.isNull())
        return;
    Shown = KeyedImage(glyph);
    resize(Shown.size());
    update();
}

// Moves the knob to the clamped position along its axis and reports the
// value there; returns that position.
int TImageSlider::MoveTo(const QPoint& topLeft) {
    NewBounds = QRect(topLeft, size());
    NewBounds.moveLeft(std::clamp(NewBounds.left(), FVisibleLeft, FVisibleRight));
    NewBounds.moveTop(std::clamp(NewBounds.top(), FVisibleTop, FVisibleBottom));
    const bool horizontal = FOrientation == TImageSliderOrientation::isoHorizontal;
    const int p = horizontal ? NewBounds.left() : NewBounds.top();
    move(horizontal ? QPoint(p, y()) : QPoint(x(), p));
    SetSliderPosValue(PositionToValue(p));
    return p;
}

void TImageSlider::mousePressEvent(QMouseEvent* event) {
    if (!FSliderCanMove || !FEnabled || event->button() != Qt::LeftButton)
        return;
    ShowGlyph(FGlyphDown);
    DownPoint = event->position().toPoint();
    NewBounds = geometry();
    FDragging = true;
}

void TImageSlider::mouseMoveEvent(QMouseEvent* event) {
    if (FDragging)
        MoveTo(pos() + event->position().toPoint() - DownPoint);
}

void TImageSlider::mouseReleaseEvent(QMouseEvent* event) {
    if (!FDragging)
        return;
    const int p = MoveTo(pos() + event->position().toPoint() - DownPoint);
    FDragging = false;
    emit OnSliderPosChanged(this, PositionToValue(p));
    const QRect onScreen(mapToGlobal(QPoint(0, 0)), size());
    ShowGlyph(onScreen.contains(event->globalPosition().toPoint()) ? FGlyphEnter : FGlyphNormal);
}

void TImageSlider::enterEvent(QEnterEvent*) {
    if (FEnabled && !FDragging)
        ShowGlyph(FGlyphEnter);
}

void TImageSlider::leaveEvent(QEvent*) {
    if (FEnabled && !FDragging)
        ShowGlyph(FGlyphNormal);
}

void TImageSlider::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), Shown);
    if (hasFocus())
        DrawFocusMark(painter, this);
}
