// Draws the player's artwork (skin, button strips, slider knob, cursor,
// logos) and writes it, with the skin's stored shape, into a folder.
// Usage: make_artwork <output folder>

#include "skin/SkinColors.h"
#include "skin/fcImageForm.h"

#include <QDir>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cstdio>
#include <functional>

namespace {

const QColor kSkinKey(0, 31, 31);
const QColor kStripKey(255, 0, 255);
const QColor kSliderKey(174, 165, 141);
const QColor kCream = ColorRefToQColor(SkinCream);
const QColor kTeal(2, 162, 138);
const QColor kDimTeal(0, 104, 90);
const QColor kBrown(96, 64, 42);

QFont Font(int pixels, bool bold = false, qreal spacing = 0) {
    QFont f = SkinFont(pixels);
    f.setBold(bold);
    if (spacing != 0)
        f.setLetterSpacing(QFont::AbsoluteSpacing, spacing);
    return f;
}

// The window shape: rows 0 and 91 open, notched corners, a shallow dip in
// the middle of the top edge.
QRegion SkinShape() {
    QRegion r;
    for (QRect rect : {QRect(2, 1, 263, 1), QRect(494, 1, 129, 1), QRect(1, 2, 274, 1),
                       QRect(491, 2, 133, 1), QRect(1, 3, 623, 1), QRect(0, 4, 625, 87)})
        r += rect;
    return r;
}

void Panel(QPainter& p, const QRectF& r, qreal radius, QColor top, QColor bottom) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    // Recessed look: dark above and left, light below and right.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 250, 240));
    p.drawRoundedRect(r.translated(0.5, 0.5).adjusted(0, 0, 0.5, 0.5), radius, radius);
    p.setBrush(QColor(150, 112, 80));
    p.drawRoundedRect(r.translated(-0.5, -0.5), radius, radius);
    p.setBrush(g);
    p.drawRoundedRect(r, radius, radius);
}

void Caption(QPainter& p, int x, int baseline, const QString& text, const QColor& colour,
             const QFont& font) {
    p.setFont(font);
    p.setPen(colour);
    p.drawText(x, baseline, text);
}

// Engraved text: a light copy below right, the text above.
void Engraved(QPainter& p, const QRectF& r, const QString& text, const QFont& font, QColor colour) {
    p.setFont(font);
    p.setPen(QColor(255, 252, 246));
    p.drawText(r.translated(1, 1), Qt::AlignCenter, text);
    p.setPen(colour);
    p.drawText(r, Qt::AlignCenter, text);
}

QImage Skin() {
    QImage img(625, 92, QImage::Format_RGB32);
    img.fill(kSkinKey);
    const QRegion shape = SkinShape();
    QPainter p(&img);
    p.setClipRegion(shape);
    QLinearGradient body(0, 0, 0, 92);
    body.setColorAt(0, QColor(255, 244, 228));
    body.setColorAt(0.5, kCream);
    body.setColorAt(1, QColor(234, 206, 172));
    p.fillRect(img.rect(), body);
    // Fine brushed lines.
    for (int y = 5; y < 90; y += 2)
        p.fillRect(0, y, 625, 1, QColor(160, 120, 80, 10));
    p.setRenderHint(QPainter::Antialiasing);

    // Display: file name, state and times in teal on a dark glass.
    Panel(p, QRectF(8, 8, 205, 60), 5, QColor(18, 24, 27), QColor(34, 42, 46));
    p.fillRect(QRectF(12, 10, 197, 1), QColor(255, 255, 255, 22));
    const QFont small = Font(8, true, 0.6);
    Caption(p, 16, 26, "TRACK", kDimTeal, small);
    p.fillRect(QRectF(14, 33, 194, 1), QColor(2, 162, 138, 60));
    Caption(p, 26, 42, "STATE", kDimTeal, small);
    Caption(p, 92, 42, "TOTAL", kDimTeal, small);
    Caption(p, 166, 42, "ELAPSED", kDimTeal, small);
    p.fillRect(QRectF(80, 38, 1, 22), QColor(2, 162, 138, 50));
    p.fillRect(QRectF(152, 38, 1, 22), QColor(2, 162, 138, 50));
    for (int x = 16; x < 206; x += 4)
        p.fillRect(QRectF(x, 63, 2, 1), QColor(2, 162, 138, 40));

    // Position bar groove.
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(QRect(8, 73, 264, 7), QColor(255, 250, 240));
    p.fillRect(QRect(8, 73, 263, 6), QColor(140, 102, 72));
    p.fillRect(QRect(9, 74, 262, 5), QColor(210, 180, 150));
    p.fillRect(QRect(10, 75, 260, 3), kCream);
    for (int x = 10; x <= 270; x += 26)
        p.fillRect(QRect(x, 81, 1, 3), QColor(150, 112, 80));
    p.setRenderHint(QPainter::Antialiasing);

    // Volume well: the main window draws its level wedge here.
    Panel(p, QRectF(215, 8, 60, 63), 5, QColor(18, 24, 27), QColor(34, 42, 46));

    // Name plate.
    QFont brand = Font(17, true, 3);
    Engraved(p, QRectF(282, 6, 180, 26), "QUORVIX", brand, QColor(150, 96, 56));
    p.fillRect(QRectF(300, 33, 144, 1), QColor(150, 112, 80, 120));
    p.fillRect(QRectF(300, 34, 144, 1), QColor(255, 252, 246, 200));

    // Volume track.
    p.setRenderHint(QPainter::Antialiasing, false);
    Caption(p, 289, 44, "-", QColor(130, 90, 60), Font(10, true));
    Caption(p, 438, 45, "+", QColor(130, 90, 60), Font(10, true));
    QPainterPath ramp;
    ramp.moveTo(300, 58);
    ramp.lineTo(433, 58);
    ramp.lineTo(433, 54);
    ramp.closeSubpath();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    QLinearGradient rampFill(300, 0, 433, 0);
    rampFill.setColorAt(0, QColor(220, 190, 156));
    rampFill.setColorAt(1, QColor(198, 96, 60));
    p.setBrush(rampFill);
    p.drawPath(ramp);
    p.fillRect(QRect(298, 50, 138, 1), QColor(120, 84, 56));
    p.fillRect(QRect(298, 51, 138, 2), QColor(70, 48, 34));
    p.fillRect(QRect(298, 53, 138, 1), QColor(255, 250, 240));

    // Sockets of the play-order, window and catalog buttons.
    for (QRect r : {QRect(287, 61, 29, 21), QRect(333, 61, 29, 21), QRect(375, 61, 29, 21),
                    QRect(468, 41, 16, 16), QRect(468, 60, 16, 16), QRect(477, 17, 27, 11),
                    QRect(585, 3, 16, 16), QRect(603, 3, 16, 16)})
        Panel(p, QRectF(r).adjusted(-1, -1, 1, 1), 3, QColor(200, 168, 136), QColor(226, 198, 166));
    Caption(p, 289, 89, "REPEAT", QColor(130, 90, 60), Font(7, true, 0.3));
    Caption(p, 333, 89, "RANDOM", QColor(130, 90, 60), Font(7, true, 0.3));
    Caption(p, 377, 89, "WHOLE", QColor(130, 90, 60), Font(7, true, 0.3));

    // Speaker grille.
    p.setBrush(QColor(150, 112, 80));
    for (int y = 42; y <= 80; y += 5)
        for (int x = 446; x <= 460; x += 5)
            p.drawEllipse(QRectF(x, y, 2.2, 2.2));

    // Transport plate under the cross of buttons.
    QRadialGradient plate(QPointF(540, 46), 44);
    plate.setColorAt(0, QColor(76, 66, 60));
    plate.setColorAt(1, QColor(30, 26, 24));
    p.setPen(QPen(QColor(255, 250, 240), 1));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(544, 53), 36.5, 36.5);
    p.setPen(QPen(QColor(160, 116, 72), 2));
    p.setBrush(plate);
    p.drawEllipse(QPointF(543.5, 52), 35, 35);

    // Dark rim along the shape, light just inside it.
    p.end();
    for (int y = 0; y < 92; ++y) {
        for (int x = 0; x < 625; ++x) {
            if (!shape.contains(QPoint(x, y)))
                continue;
            auto outside = [&](int dx, int dy) { return !shape.contains(QPoint(x + dx, y + dy)); };
            if (outside(-1, 0) || outside(1, 0) || outside(0, -1) || outside(0, 1))
                img.setPixelColor(x, y, QColor(92, 62, 40));
            else if (outside(-2, 0) || outside(0, -2))
                img.setPixelColor(x, y, QColor(255, 252, 244));
            else if (outside(2, 0) || outside(0, 2))
                img.setPixelColor(x, y, QColor(196, 160, 124));
        }
    }
    // Nothing inside may take the transparent colour, nothing outside keep
    // anything else.
    for (int y = 0; y < 92; ++y) {
        for (int x = 0; x < 625; ++x) {
            const bool in = shape.contains(QPoint(x, y));
            if (!in)
                img.setPixelColor(x, y, kSkinKey);
            else if (img.pixelColor(x, y) == kSkinKey)
                img.setPixelColor(x, y, QColor(0, 31, 32));
        }
    }
    return img.convertToFormat(QImage::Format_RGB888);
}

// ---------------------------------------------------------------------------
// Buttons

enum class Look { Rest, Disabled, Pressed };

struct KeyStyle {
    QColor top, bottom, border, symbol, lit, off;
};

const KeyStyle kDarkKey{QColor(84, 74, 68),   QColor(40, 35, 32),   QColor(18, 14, 12), kCream,
                        QColor(40, 232, 200), QColor(120, 110, 104)};
const KeyStyle kLightKey{QColor(255, 246, 232), QColor(222, 192, 158), QColor(120, 84, 56),
                         QColor(110, 70, 44),   QColor(210, 40, 30),   QColor(180, 160, 140)};

using Symbol = std::function<void(QPainter&, const QRectF&, const QColor&)>;

// One image: a key with clipped corners (left in the strip's key colour).
QImage Key(QSize size, const KeyStyle& style, Look look, const Symbol& symbol) {
    QImage img(size, QImage::Format_RGB32);
    img.fill(kStripKey);
    const int cut = size.height() >= 20 ? 2 : 1;
    QRegion body(0, 0, size.width(), size.height());
    for (int i = 0; i < cut; ++i) {
        const int w = cut - i;
        body -= QRegion(0, i, w, 1);
        body -= QRegion(size.width() - w, i, w, 1);
        body -= QRegion(0, size.height() - 1 - i, w, 1);
        body -= QRegion(size.width() - w, size.height() - 1 - i, w, 1);
    }
    QPainter p(&img);
    p.setClipRegion(body);
    p.fillRect(img.rect(), style.border);
    const QRect inner = img.rect().adjusted(1, 1, -1, -1);
    QLinearGradient g(inner.topLeft(), inner.bottomLeft());
    const bool pressed = look == Look::Pressed;
    g.setColorAt(0, pressed ? style.bottom.darker(115) : style.top);
    g.setColorAt(1, pressed ? style.top.darker(108) : style.bottom);
    p.fillRect(inner, g);
    if (!pressed)
        p.fillRect(QRect(inner.left() + 1, inner.top(), inner.width() - 2, 1),
                   QColor(255, 255, 255, 60));
    if (look == Look::Disabled)
        p.fillRect(inner, QColor(128, 128, 128, 70));
    p.setRenderHint(QPainter::Antialiasing);
    const QColor colour = look == Look::Rest ? style.symbol : pressed ? style.lit : style.off;
    symbol(p, QRectF(inner).translated(pressed ? 0.5 : 0, pressed ? 1 : 0), colour);
    p.end();
    // Keep the key colour for the clipped corners only.
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (body.contains(QPoint(x, y)) && img.pixelColor(x, y) == kStripKey)
                img.setPixelColor(x, y, QColor(254, 0, 255));
    return img;
}

QImage Strip(QSize size, const KeyStyle& style, const Symbol& symbol) {
    QImage strip(size.width() * 3, size.height(), QImage::Format_RGB32);
    QPainter p(&strip);
    int x = 0;
    for (Look look : {Look::Rest, Look::Disabled, Look::Pressed}) {
        p.drawImage(x, 0, Key(size, style, look, symbol));
        x += size.width();
    }
    p.end();
    return strip.convertToFormat(QImage::Format_RGB888);
}

void Fill(QPainter& p, const QPainterPath& path, const QColor& c) {
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawPath(path);
}

QPainterPath Triangle(QPointF a, QPointF b, QPointF c) {
    QPainterPath path;
    path.moveTo(a);
    path.lineTo(b);
    path.lineTo(c);
    path.closeSubpath();
    return path;
}

void PlaySymbol(QPainter& p, const QRectF& r, const QColor& c) {
    const QPointF m = r.center();
    Fill(p, Triangle(m + QPointF(-5, -7), m + QPointF(-5, 7), m + QPointF(8, 0)), c);
}

void PauseSymbol(QPainter& p, const QRectF& r, const QColor& c) {
    const QPointF m = r.center();
    p.fillRect(QRectF(m.x() - 5, m.y() - 4.5, 3.5, 9), c);
    p.fillRect(QRectF(m.x() + 1.5, m.y() - 4.5, 3.5, 9), c);
}

void StopSymbol(QPainter& p, const QRectF& r, const QColor& c) {
    const QPointF m = r.center();
    p.fillRect(QRectF(m.x() - 4.5, m.y() - 4.5, 9, 9), c);
}

void SkipSymbol(QPainter& p, const QRectF& r, const QColor& c, bool forward) {
    const QPointF m = r.center();
    const qreal s = forward ? 1 : -1;
    Fill(p, Triangle(m + QPointF(-3 * s, -5), m + QPointF(-3 * s, 5), m + QPointF(3 * s, 0)), c);
    p.fillRect(QRectF(m.x() + (forward ? 3 : -4.5), m.y() - 5, 1.5, 10), c);
}

void TextSymbol(QPainter& p, const QRectF& r, const QColor& c, const QString& text, int px) {
    p.setFont(Font(px, true));
    p.setPen(c);
    p.drawText(r, Qt::AlignCenter, text);
}

void RepeatSymbol(QPainter& p, const QRectF& r, const QColor& c) {
    const QPointF m = r.center();
    p.setPen(QPen(c, 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(m.x() - 8, m.y() - 4.5, 16, 9), 4, 4);
    Fill(p, Triangle(m + QPointF(1, -7.5), m + QPointF(1, -1.5), m + QPointF(5, -4.5)), c);
    TextSymbol(p, QRectF(m.x() - 5, m.y() - 4, 10, 9), c, "1", 7);
}

void RandomSymbol(QPainter& p, const QRectF& r, const QColor& c) {
    const QPointF m = r.center();
    p.setPen(QPen(c, 1.6));
    p.setBrush(Qt::NoBrush);
    QPainterPath a;
    a.moveTo(m + QPointF(-9, -4));
    a.cubicTo(m + QPointF(-2, -4), m + QPointF(0, 4), m + QPointF(6, 4));
    QPainterPath b;
    b.moveTo(m + QPointF(-9, 4));
    b.cubicTo(m + QPointF(-2, 4), m + QPointF(0, -4), m + QPointF(6, -4));
    p.drawPath(a);
    p.drawPath(b);
    Fill(p, Triangle(m + QPointF(5, -7), m + QPointF(5, -1), m + QPointF(9, -4)), c);
    Fill(p, Triangle(m + QPointF(5, 1), m + QPointF(5, 7), m + QPointF(9, 4)), c);
}

void WholeFileSymbol(QPainter& p, const QRectF& r, const QColor& c) {
    const QPointF m = r.center();
    p.setPen(QPen(c, 1.4));
    p.drawLine(m + QPointF(-9, -5), m + QPointF(-9, 5));
    p.drawLine(m + QPointF(9, -5), m + QPointF(9, 5));
    p.drawLine(m + QPointF(-6, 0), m + QPointF(4, 0));
    Fill(p, Triangle(m + QPointF(3, -3.5), m + QPointF(3, 3.5), m + QPointF(7.5, 0)), c);
}

void SpeakerSymbol(QPainter& p, const QRectF& r, const QColor& c) {
    const QPointF m = r.center();
    QPainterPath s;
    s.moveTo(m + QPointF(-6, -1.5));
    s.lineTo(m + QPointF(-4, -1.5));
    s.lineTo(m + QPointF(-1, -4));
    s.lineTo(m + QPointF(-1, 4));
    s.lineTo(m + QPointF(-4, 1.5));
    s.lineTo(m + QPointF(-6, 1.5));
    s.closeSubpath();
    Fill(p, s, c);
    p.setPen(QPen(c, 1.2));
    p.drawLine(m + QPointF(2, -2.5), m + QPointF(6, 2.5));
    p.drawLine(m + QPointF(2, 2.5), m + QPointF(6, -2.5));
}

void PlusMinusSymbol(QPainter& p, const QRectF& r, const QColor& c, bool plus) {
    const QPointF m = r.center();
    p.fillRect(QRectF(m.x() - 4, m.y() - 0.75, 8, 1.5), c);
    if (plus)
        p.fillRect(QRectF(m.x() - 0.75, m.y() - 4, 1.5, 8), c);
}

void ListSymbol(QPainter& p, const QRectF& r, const QColor& c) {
    const QPointF m = r.center();
    for (int i = -1; i <= 1; ++i) {
        p.fillRect(QRectF(m.x() - 7, m.y() + 2.5 * i - 0.6, 1.5, 1.5), c);
        p.fillRect(QRectF(m.x() - 4, m.y() + 2.5 * i - 0.6, 11, 1.2), c);
    }
}

void FullScreenSymbol(QPainter& p, const QRectF& r, const QColor& c) {
    const QRectF b = QRectF(r.center() - QPointF(4.5, 4.5), QSizeF(9, 9));
    p.setPen(QPen(c, 1.4));
    for (QPointF corner : {b.topLeft(), b.topRight(), b.bottomLeft(), b.bottomRight()}) {
        const qreal sx = corner.x() < b.center().x() ? 1 : -1;
        const qreal sy = corner.y() < b.center().y() ? 1 : -1;
        p.drawLine(corner, corner + QPointF(3 * sx, 0));
        p.drawLine(corner, corner + QPointF(0, 3 * sy));
    }
}

void HideSymbol(QPainter& p, const QRectF& r, const QColor& c) {
    p.fillRect(QRectF(r.center().x() - 4, r.center().y() + 2, 8, 2), c);
}

void ExitSymbol(QPainter& p, const QRectF& r, const QColor& c) {
    const QPointF m = r.center();
    p.setPen(QPen(c, 1.8));
    p.drawLine(m + QPointF(-3.5, -3.5), m + QPointF(3.5, 3.5));
    p.drawLine(m + QPointF(-3.5, 3.5), m + QPointF(3.5, -3.5));
}

// ---------------------------------------------------------------------------
// Slider knob, cursor and pictures

QImage Knob(QColor top, QColor bottom, QColor grip, QColor rim) {
    QImage img(24, 14, QImage::Format_RGB32);
    img.fill(kSliderKey);
    QPainter p(&img);
    QRegion body(0, 0, 24, 14);
    for (QRect c :
         {QRect(0, 0, 2, 1), QRect(0, 1, 1, 1), QRect(22, 0, 2, 1), QRect(23, 1, 1, 1),
          QRect(0, 13, 2, 1), QRect(0, 12, 1, 1), QRect(22, 13, 2, 1), QRect(23, 12, 1, 1)})
        body -= c;
    p.setClipRegion(body);
    p.fillRect(img.rect(), rim);
    QLinearGradient g(0, 1, 0, 13);
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.fillRect(QRect(1, 1, 22, 12), g);
    p.fillRect(QRect(2, 1, 20, 1), QColor(255, 255, 255, 90));
    for (int x = 8; x <= 15; x += 3) {
        p.fillRect(QRect(x, 3, 1, 8), grip);
        p.fillRect(QRect(x + 1, 3, 1, 8), QColor(255, 255, 255, 110));
    }
    p.end();
    for (int y = 0; y < 14; ++y)
        for (int x = 0; x < 24; ++x)
            if (body.contains(QPoint(x, y)) && img.pixelColor(x, y) == kSliderKey)
                img.setPixelColor(x, y, QColor(174, 165, 142));
    return img.convertToFormat(QImage::Format_RGB888);
}

// Pointing hand; the tip of the index finger is at (6, 0), the hot spot the
// slider gives its cursor.
QImage HandPoint() {
    QImage img(32, 32, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath hand;
    hand.moveTo(4.5, 2);
    hand.cubicTo(4.5, 0.3, 8.5, 0.3, 8.5, 2);
    hand.lineTo(8.5, 9);
    hand.cubicTo(8.5, 7.5, 12.5, 7.5, 12.5, 9.5);
    hand.cubicTo(12.5, 8, 16.5, 8, 16.5, 10.5);
    hand.cubicTo(16.5, 9, 20.5, 9, 20.5, 11.5);
    hand.lineTo(20.5, 17);
    hand.cubicTo(20.5, 20, 19, 22, 17.5, 23.5);
    hand.lineTo(7.5, 23.5);
    hand.cubicTo(5, 20, 2.5, 17, 0.8, 13.5);
    hand.cubicTo(0, 11.5, 2.5, 10.5, 4.5, 13);
    hand.closeSubpath();
    p.setPen(QPen(Qt::black, 1.2));
    p.setBrush(Qt::white);
    p.drawPath(hand);
    p.setPen(QPen(Qt::black, 0.8));
    p.drawLine(QPointF(12.5, 10), QPointF(12.5, 14));
    p.drawLine(QPointF(16.5, 11), QPointF(16.5, 14.5));
    return img;
}

void Brand(QPainter& p, const QRectF& r, int px) {
    p.setFont(Font(px, true, px / 6.0));
    p.setPen(QColor(0, 0, 0, 120));
    p.drawText(r.translated(1, 2), Qt::AlignCenter, "QUORVIX");
    p.setPen(kCream);
    p.drawText(r, Qt::AlignCenter, "QUORVIX");
}

QImage Logo() {
    QImage img(320, 252, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient bg(QPointF(160, 110), 230);
    bg.setColorAt(0, QColor(58, 50, 46));
    bg.setColorAt(1, QColor(14, 12, 12));
    p.fillRect(img.rect(), bg);
    // A reel ring with a play mark.
    const QPointF c(160, 100);
    p.setPen(QPen(QColor(160, 116, 72), 4));
    p.setBrush(QColor(30, 26, 24));
    p.drawEllipse(c, 56, 56);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 60, 54));
    for (int i = 0; i < 6; ++i) {
        const double a = i * 3.14159265 / 3 + 0.5;
        p.drawEllipse(c + QPointF(38 * std::cos(a), 38 * std::sin(a)), 9, 9);
    }
    Fill(p, Triangle(c + QPointF(-14, -22), c + QPointF(-14, 22), c + QPointF(24, 0)), kTeal);
    Brand(p, QRectF(0, 170, 320, 36), 30);
    p.setFont(Font(12, false, 4));
    p.setPen(QColor(200, 176, 150));
    p.drawText(QRectF(0, 208, 320, 20), Qt::AlignCenter, "VIDEO PLAYER");
    return img.convertToFormat(QImage::Format_RGB888);
}

QImage CaptionStrip() {
    QImage img(215, 17, QImage::Format_RGB32);
    QPainter p(&img);
    QLinearGradient g(0, 0, 0, 17);
    g.setColorAt(0, QColor(62, 54, 50));
    g.setColorAt(0.5, QColor(36, 31, 29));
    g.setColorAt(1, QColor(22, 19, 18));
    p.fillRect(img.rect(), g);
    p.fillRect(0, 0, 215, 1, QColor(130, 100, 70));
    p.fillRect(0, 16, 215, 1, QColor(10, 8, 8));
    return img.convertToFormat(QImage::Format_RGB888);
}

QImage NoPicture() {
    QImage img(121, 95, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, 95);
    g.setColorAt(0, QColor(255, 244, 228));
    g.setColorAt(1, QColor(232, 204, 170));
    p.fillRect(img.rect(), g);
    p.setPen(QPen(QColor(150, 112, 80), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, 120, 94));
    // A film frame.
    const QRectF frame(35, 18, 51, 40);
    p.setBrush(QColor(70, 56, 48));
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(frame, 3, 3);
    p.setBrush(QColor(232, 204, 170));
    for (int i = 0; i < 5; ++i) {
        p.drawRect(QRectF(38 + i * 10, 21, 5, 4));
        p.drawRect(QRectF(38 + i * 10, 51, 5, 4));
    }
    Fill(p, Triangle(QPointF(55, 29), QPointF(55, 47), QPointF(69, 38)), kTeal);
    p.setFont(Font(11, true, 0.5));
    p.setPen(kBrown);
    p.drawText(QRectF(0, 64, 121, 20), Qt::AlignCenter, "No picture");
    return img.convertToFormat(QImage::Format_RGB888);
}

bool Save(const QImage& img, const QDir& dir, const QString& name) {
    if (img.save(dir.filePath(name), "PNG"))
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(dir.filePath(name)));
    return false;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_artwork <output folder>\n");
        return 2;
    }
    QDir dir(argv[1]);
    if (!dir.mkpath(".")) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    const QImage skin = Skin();
    const uint32_t key = 0x001F1F00;
    QFile rgn(dir.filePath("skin.rgn"));
    if (!rgn.open(QIODevice::WriteOnly) ||
        rgn.write(WriteRegionData(BuildSkinRegion(skin, key))) < 0) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(rgn.fileName()));
        return 1;
    }
    rgn.close();

    using namespace std::placeholders;
    const struct {
        const char* name;
        QSize size;
        const KeyStyle& style;
        Symbol symbol;
    } strips[] = {
        {"btn_prev.png", {15, 28}, kDarkKey, std::bind(SkipSymbol, _1, _2, _3, false)},
        {"btn_next.png", {15, 28}, kDarkKey, std::bind(SkipSymbol, _1, _2, _3, true)},
        {"btn_play.png", {35, 28}, kDarkKey, PlaySymbol},
        {"btn_pause.png", {35, 18}, kDarkKey, PauseSymbol},
        {"btn_stop.png", {35, 18}, kDarkKey, StopSymbol},
        {"btn_repeat.png", {29, 21}, kLightKey, RepeatSymbol},
        {"btn_random.png", {29, 21}, kLightKey, RandomSymbol},
        {"btn_playall.png", {29, 21}, kLightKey, WholeFileSymbol},
        {"btn_volup.png", {27, 11}, kDarkKey, std::bind(PlusMinusSymbol, _1, _2, _3, true)},
        {"btn_mute.png", {27, 11}, kDarkKey, SpeakerSymbol},
        {"btn_voldown.png", {27, 11}, kDarkKey, std::bind(PlusMinusSymbol, _1, _2, _3, false)},
        {"btn_catalog.png", {27, 11}, kLightKey, ListSymbol},
        {"btn_org.png", {16, 16}, kLightKey, std::bind(TextSymbol, _1, _2, _3, "1:1", 7)},
        {"btn_full.png", {16, 16}, kLightKey, FullScreenSymbol},
        {"btn_hide.png", {16, 16}, kLightKey, HideSymbol},
        {"btn_exit.png", {16, 16}, kLightKey, ExitSymbol},
    };
    bool ok = Save(skin, dir, "skin.png");
    for (const auto& s : strips)
        ok = Save(Strip(s.size, s.style, s.symbol), dir, s.name) && ok;
    ok = Save(Knob(QColor(255, 246, 232), QColor(214, 186, 152), QColor(140, 100, 70),
                   QColor(96, 64, 42)),
              dir, "slider_normal.png") &&
         ok;
    ok = Save(Knob(QColor(255, 252, 244), QColor(232, 210, 180), kTeal, QColor(2, 120, 104)), dir,
              "slider_enter.png") &&
         ok;
    ok = Save(Knob(QColor(200, 172, 140), QColor(240, 220, 196), kTeal, QColor(2, 120, 104)), dir,
              "slider_down.png") &&
         ok;
    ok = Save(Knob(QColor(222, 218, 212), QColor(190, 184, 176), QColor(150, 146, 140),
                   QColor(130, 124, 118)),
              dir, "slider_inactive.png") &&
         ok;
    ok = Save(HandPoint(), dir, "handpoint.png") && ok;
    ok = Save(Logo(), dir, "logo.png") && ok;
    ok = Save(CaptionStrip(), dir, "caption.png") && ok;
    ok = Save(NoPicture(), dir, "nopicture.png") && ok;
    return ok ? 0 : 1;
}
