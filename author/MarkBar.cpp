#include "author/MarkBar.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

TMarkBar::TMarkBar(QWidget* parent) : QWidget(parent) {
    setMinimumHeight(18);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void TMarkBar::SetDuration(double seconds) {
    const double value = std::isfinite(seconds) ? std::max(seconds, 0.0) : 0.0;
    if (value != Length) {
        Length = value;
        update();
    }
}

void TMarkBar::SetPosition(double seconds) {
    if (seconds != Now && std::isfinite(seconds)) {
        Now = seconds;
        update();
    }
}

void TMarkBar::SetMarks(double start, double end) {
    Start = start;
    End = end;
    update();
}

QRect TMarkBar::Track() const {
    return rect().adjusted(4, 5, -4, -5);
}

int TMarkBar::XOf(double seconds) const {
    const QRect track = Track();
    if (Length <= 0.0)
        return track.left();
    const double share = std::clamp(seconds / Length, 0.0, 1.0);
    return track.left() + static_cast<int>(std::lround(share * (track.width() - 1)));
}

double TMarkBar::TimeAt(int x) const {
    const QRect track = Track();
    if (Length <= 0.0 || track.width() <= 1)
        return 0.0;
    return std::clamp(double(x - track.left()) / (track.width() - 1), 0.0, 1.0) * Length;
}

void TMarkBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect track = Track();
    painter.fillRect(track, palette().color(QPalette::Mid));
    if (Length > 0.0) {
        // The entry's segment, then where the picture is.
        const int from = XOf(Start);
        const int to = End > 0.0 ? XOf(End) : track.right();
        painter.fillRect(QRect(QPoint(from, track.top()), QPoint(to, track.bottom())),
                         QColor(70, 150, 230));
        painter.setPen(QPen(QColor(20, 120, 40), 2));
        painter.drawLine(from, 0, from, height());
        if (End > 0.0) {
            painter.setPen(QPen(QColor(200, 40, 30), 2));
            painter.drawLine(to, 0, to, height());
        }
        const int now = XOf(Now);
        painter.setPen(Qt::NoPen);
        painter.setBrush(palette().color(QPalette::WindowText));
        painter.drawPolygon(QPolygon({QPoint(now - 4, 0), QPoint(now + 4, 0), QPoint(now, 6)}));
        painter.fillRect(QRect(now, track.top(), 1, track.height()),
                         palette().color(QPalette::WindowText));
    }
}

void TMarkBar::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && Length > 0.0)
        emit SeekRequested(TimeAt(event->position().toPoint().x()));
}

void TMarkBar::mouseMoveEvent(QMouseEvent* event) {
    if ((event->buttons() & Qt::LeftButton) && Length > 0.0)
        emit SeekRequested(TimeAt(event->position().toPoint().x()));
}
