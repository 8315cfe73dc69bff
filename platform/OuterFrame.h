#pragma once
// Windows are placed and sized by their outer frame, window manager's frame
// included, as the layouts of the windows give them. A window manager adds
// its frame only after the window is shown, so the bounds asked for are
// applied again when the frame turns out to have another size.

#include <QObject>
#include <QRect>
#include <QSize>

class QTimer;
class QWidget;

class TOuterFrame : public QObject {
public:
    explicit TOuterFrame(QWidget* window);

    // The frame's width and height around the client area.
    QSize FrameSize() const;
    void SetBounds(const QRect& outer);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Apply();
    void LookAtFrame();

    QWidget* Window;
    QRect Wanted;
    QSize AppliedFrame;
    QTimer* Look = nullptr;
    int Looks = 0;
};
