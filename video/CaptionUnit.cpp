#include "video/CaptionUnit.h"

#include "player/Unit1.h"
#include "skin/SkinColors.h"
#include "video/VidOutUnit.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QMouseEvent>

TCaptionForm* CaptionForm = nullptr;

TCaptionForm::TCaptionForm(QWidget* parent) : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint) {
    setWindowTitle(tr("Current Name"));
    setWindowRole(QStringLiteral("TCaptionForm"));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    setPalette(pal);
    resize(110, 18);
    setMouseTracking(true);
    // The keyboard stays on the bar until the user clicks the strip.
    setAttribute(Qt::WA_ShowWithoutActivating);

    Image1 = new QLabel(this);
    Image1->setScaledContents(true);
    Image1->setPixmap(QPixmap(QStringLiteral(":/art/caption.png")));
    Image1->setGeometry(rect());
    Image1->setAttribute(Qt::WA_TransparentForMouseEvents);

    Label1 = new QLabel(QString(30, QLatin1Char(' ')), this);
    Label1->setFont(SkinFont(11));
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    Label1->setGeometry(10, 2, QFontMetrics(Label1->font()).horizontalAdvance(Label1->text()), 13);
    Label1->setAttribute(Qt::WA_TransparentForMouseEvents);

    if (VidOutForm)
        move(VidOutForm->x(), VidOutForm->y() - CaptionGap);
}

TCaptionForm::~TCaptionForm() {
    if (CaptionForm == this)
        CaptionForm = nullptr;
}

void TCaptionForm::SetCaptionText(const QString& title) {
    if (title == CaptionText)
        return;
    CaptionText = title;
    setWindowTitle(title);
    const int w = QFontMetrics(Label1->font()).horizontalAdvance(title);
    resize(w + 20, height());
    Image1->setGeometry(rect());
    Label1->setGeometry(Label1->x(), Label1->y(), w + 10, Label1->height());
    Label1->setText(title);
    Label1->repaint();
}

void TCaptionForm::closeEvent(QCloseEvent* event) {
    event->ignore();
}

void TCaptionForm::keyPressEvent(QKeyEvent* event) {
    if (MainForm)
        MainForm->PlayerKeyPress(event);
}

// The whole strip is a drag handle.
void TCaptionForm::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        GrabOffset = event->globalPosition().toPoint() - frameGeometry().topLeft();
}

// The pointer over the strip brings it and the video window to the front.
void TCaptionForm::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() & Qt::LeftButton)
        move(event->globalPosition().toPoint() - GrabOffset);
    FollowWithVideoWindow();
}

void TCaptionForm::FollowWithVideoWindow() {
    raise();
    if (VidOutForm) {
        VidOutForm->raise();
        VidOutForm->move(x(), y() + CaptionGap);
    }
}
