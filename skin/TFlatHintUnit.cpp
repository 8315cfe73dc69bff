#include "skin/TFlatHintUnit.h"

#include "skin/SkinColors.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <QScreen>
#include <QTextLayout>
#include <QTimer>

#include <array>
#include <cmath>

namespace {

// Space taken by the side strip and the margins around the text.
constexpr int kExtraWidth = 22;
constexpr int kExtraHeight = 6;

// Arrow figure, head at the origin, pointing up-left before mirroring.
constexpr std::array<QPoint, 18> kArrow = {{{0, 0},
                                            {0, 6},
                                            {1, 6},
                                            {1, 0},
                                            {6, 0},
                                            {6, 1},
                                            {2, 1},
                                            {2, 4},
                                            {5, 7},
                                            {6, 7},
                                            {3, 4},
                                            {3, 3},
                                            {6, 6},
                                            {7, 6},
                                            {3, 2},
                                            {4, 2},
                                            {7, 5},
                                            {7, 6}}};

// Corners: 0 cursor in the top-right quarter, 1 top-left, 2 bottom-right,
// 3 bottom-left. The window lies on the side away from the cursor's quarter.
bool WindowRightOfCursor(int corner) {
    return corner == 1 || corner == 3;
}
bool WindowBelowCursor(int corner) {
    return corner == 0 || corner == 1;
}

} // namespace

TFlatHintWindow::TFlatHintWindow(TFlatHint* settings)
    : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                           Qt::WindowDoesNotAcceptFocus),
      Settings(settings) {
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
}

// Wrapped text measured as lines of the font's height, as wide as the widest
// line.
QSize TFlatHintWindow::HintSize(const QString& text) const {
    QTextLayout layout(text, Settings->Font());
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    int lines = 0;
    qreal widest = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(Settings->MaxHintWidth() - kExtraWidth);
        widest = std::max(widest, line.naturalTextWidth());
        ++lines;
    }
    layout.endLayout();
    const int height = std::max(lines, 1) * QFontMetrics(Settings->Font()).height();
    return {int(std::ceil(widest)) + kExtraWidth, height + kExtraHeight};
}

void TFlatHintWindow::ActivateHint(const QString& text, const QPoint& cursor, const QRect& screen) {
    FText = text;
    const QSize size = HintSize(text);
    const int dw = size.width(), dh = size.height();
    const bool left = cursor.x() < screen.x() + screen.width() / 2;
    const bool top = cursor.y() < screen.y() + screen.height() / 2;
    FArrowCorner = top ? (left ? 1 : 0) : (left ? 3 : 2);
    const int g = FArrowCorner == 1 ? 12 : 5;
    const int x = WindowRightOfCursor(FArrowCorner) ? cursor.x() + g : cursor.x() - dw - g;
    const int y = WindowBelowCursor(FArrowCorner) ? cursor.y() + g : cursor.y() - dh - g;
    setGeometry(x, y, dw, dh);
    show();
    raise();
    update();
}

void TFlatHintWindow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const int l = 0, t = 0, r = width(), b = height();
    const bool right = WindowRightOfCursor(FArrowCorner);
    // Rectangles as left, top, right, bottom with right and bottom exclusive.
    const QRect strip = right ? QRect(QPoint(l + 1, t + 1), QPoint(l + 15 - 1, b - 1 - 1))
                              : QRect(QPoint(r - 15, t + 1), QPoint(r - 1 - 1, b - 1 - 1));
    const QRect textArea = right ? QRect(QPoint(l + 15, t + 1), QPoint(r - 1 - 1, b - 1 - 1))
                                 : QRect(QPoint(l + 1, t + 1), QPoint(r - 15 - 1, b - 1 - 1));
    p.fillRect(strip, ColorRefToQColor(Settings->ColorArrowBackground()));
    p.fillRect(textArea, ColorRefToQColor(Settings->ColorBackground()));
    p.setPen(ColorRefToQColor(Settings->ColorBorder()));
    p.drawRect(QRect(l, t, r - 1, b - 1));

    const int stripRight = strip.right() + 1, stripBottom = strip.bottom() + 1;
    const QPoint anchor(right ? strip.left() + 2 : stripRight - 3,
                        WindowBelowCursor(FArrowCorner) ? strip.top() + 2 : stripBottom - 3);
    const int sx = right ? 1 : -1;
    const int sy = WindowBelowCursor(FArrowCorner) ? 1 : -1;
    std::array<QPoint, kArrow.size()> arrow;
    for (size_t i = 0; i < kArrow.size(); ++i)
        arrow[i] = anchor + QPoint(sx * kArrow[i].x(), sy * kArrow[i].y());
    p.setPen(ColorRefToQColor(Settings->ColorArrow()));
    p.drawPolyline(arrow.data(), int(arrow.size()));

    p.setFont(Settings->Font());
    p.setPen(ColorRefToQColor(Settings->FontColor()));
    p.drawText(textArea.adjusted(3, 1, -3, -1), Qt::TextWordWrap, FText);
}

// ---------------------------------------------------------------------------

TFlatHint::TFlatHint(QWidget* owner) : QObject(owner), Owner(owner ? owner->window() : nullptr) {
    Window = new TFlatHintWindow(this);
    ShowTimer = new QTimer(this);
    ShowTimer->setSingleShot(true);
    connect(ShowTimer, &QTimer::timeout, this, [this] { ShowPendingHint(); });
    HideTimer = new QTimer(this);
    HideTimer->setSingleShot(true);
    connect(HideTimer, &QTimer::timeout, this, [this] { Window->hide(); });
    qApp->installEventFilter(this);
}

TFlatHint::~TFlatHint() {
    qApp->removeEventFilter(this);
    delete Window;
}

bool TFlatHint::Watches(QObject* object) const {
    auto* widget = qobject_cast<QWidget*>(object);
    return Owner && widget && widget->window() == Owner;
}

// The widget whose hint applies: the nearest one, upward, that has a hint.
QWidget* TFlatHint::HintControlOf(QWidget* widget) const {
    for (; widget; widget = widget->parentWidget()) {
        if (!widget->toolTip().isEmpty())
            return widget;
        if (widget == Owner)
            break;
    }
    return nullptr;
}

bool TFlatHint::eventFilter(QObject* watched, QEvent* event) {
    if (!Watches(watched))
        return false;
    switch (event->type()) {
    case QEvent::ToolTip:
        return true; // the toolkit's own tooltip never shows
    case QEvent::Enter:
        HoverControl(HintControlOf(static_cast<QWidget*>(watched)));
        break;
    case QEvent::Leave:
        if (watched == Owner)
            HoverControl(nullptr);
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::KeyPress:
        CancelHint();
        break;
    default:
        break;
    }
    return false;
}

void TFlatHint::HoverControl(QWidget* control) {
    if (control == HintControl)
        return;
    HintControl = control;
    // Moving on from a shown hint to the next control takes the short pause.
    const bool showing = Window->isVisible();
    CancelHint();
    if (control)
        ShowTimer->start(showing ? HintShortPause() : HintPause());
}

void TFlatHint::ShowPendingHint() {
    if (!HintControl || !HintControl->isVisible())
        return;
    const QPoint cursor = QCursor::pos();
    QScreen* screen = QGuiApplication::screenAt(cursor);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    QString text = HintControl->toolTip();
    bool canShow = true;
    emit OnShowHint(text, canShow);
    if (!canShow)
        return;
    Window->ActivateHint(text, cursor, screen->geometry());
    HideTimer->start(HintHidePause());
}

void TFlatHint::CancelHint() {
    ShowTimer->stop();
    HideTimer->stop();
    Window->hide();
}
