#pragma once
// Shaped, draggable skin: a picture covering a frameless top-level window,
// whose transparent pixels are cut out of the window and whose bare parts
// drag the window.

#include <QByteArray>
#include <QImage>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QRegion>
#include <QWidget>

#include "skin/RegionData.h"

#include <cstdint>
#include <functional>
#include <optional>

class QRubberBand;
class QTimer;

// COLORREF value meaning "no colour".
inline constexpr uint32_t clNone = 0x1FFFFFFF;

// Region of opaque pixels, scanned row by row. Pixels equal to the colour
// (COLORREF 0x00BBGGRR) are transparent. Empty when nothing is opaque.
QRegion BuildSkinRegion(const QImage& image, uint32_t colour);

// Observes the events of one window and runs a callback after the window has
// handled each of them.
class TfcCaptureMessageClass : public QObject {
    Q_OBJECT
public:
    using AfterMessage = std::function<void(QEvent*)>;
    using BeforeMessage = std::function<void(QEvent*, bool& callDefault)>;

    explicit TfcCaptureMessageClass(QObject* owner = nullptr);
    ~TfcCaptureMessageClass() override;

    void Attach(QWidget* window);
    QWidget* Window() const { return Hooked; }
    bool Enabled() const { return IsEnabled; }
    void SetEnabled(bool enabled);

    AfterMessage OnAfterMessage;
    BeforeMessage OnBeforeMessage;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> Hooked;
    bool IsEnabled = false;
};

// A control that owns a picture and paints it at its top-left corner.
class TfcCustomImage : public QWidget {
    Q_OBJECT
public:
    explicit TfcCustomImage(QWidget* parent = nullptr);

    const QImage& Picture() const { return FPicture; }
    virtual void SetPicture(const QImage& picture);
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool autoSize);

protected:
    virtual void PictureChanged();
    void paintEvent(QPaintEvent* event) override;

private:
    QImage FPicture;
    bool FAutoSize = false;
    bool Drawing = false;
};

enum class TfcImageFormOption { ifUseWindowsDrag = 1 };
Q_DECLARE_FLAGS(TfcImageFormOptions, TfcImageFormOption)

class TfcCustomImageForm : public TfcCustomImage {
    Q_OBJECT
public:
    // Sits on the window that contains host and covers its client area.
    explicit TfcCustomImageForm(QWidget* host);
    ~TfcCustomImageForm() override;

    QWidget* Host() const { return FHost; }

    void SetPicture(const QImage& picture) override;
    int DragTolerance() const { return FDragTolerance; }
    void SetDragTolerance(int tolerance) { FDragTolerance = tolerance; }
    uint32_t TransparentColor() const { return FTransparentColor; }
    void SetTransparentColor(uint32_t colour) { FTransparentColor = colour; }
    TfcImageFormOptions Options() const { return FOptions; }
    void SetOptions(TfcImageFormOptions options) { FOptions = options; }
    QWidget* CaptionBarControl() const { return FCaptionBarControl; }
    void SetCaptionBarControl(QWidget* control) { FCaptionBarControl = control; }
    const QRegion& Region() const { return FRegion; }
    bool Dragging() const { return FDragging; }

    uint32_t EffectiveTransparentColor() const;
    void RebuildRegion();
    void ClearRegion();
    // Stored shape, size field included; writing rebuilds the shape first.
    QByteArray RegionData();
    // Applies stored shape bytes without scanning the picture; size 0 scans.
    void SetRegionData(const QByteArray& data);

signals:
    void OnPosChange(QObject* Sender);
    void OnMouseDown(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
    void OnMouseMove(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
    void OnMouseUp(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);

protected:
    virtual void DrawDragFrame(const QRect& frame);
    virtual void StartWindowDrag(Qt::MouseButtons buttons, int x, int y);
    virtual void AfterHostMessage(QEvent* event);
    virtual void RunDragLoop(int x, int y);
    virtual void DragMoveStep(int x, int y, const QPoint& cursor);
    virtual void DragFinish(int x, int y, const QPoint& cursor);
    virtual bool UsesWindowsDrag() const;

    void PictureChanged() override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QWidget* ControlAt(const QPoint& point) const;
    void ApplyRegion();
    void HostMousePress(QMouseEvent* event);
    void HostDragEvent(QEvent* event);
    void MoveHostToCursor();
    QPoint ClientOrigin() const;
    void EndDragLoop();

    QWidget* FHost = nullptr;
    int FDragTolerance = 5;
    uint32_t FTransparentColor = clNone;
    QRegion FRegion;
    QPointer<QWidget> FCaptionBarControl;
    TfcCaptureMessageClass* Hook = nullptr;
    TfcImageFormOptions FOptions;
    QRect LastFrame;
    bool FDragging = false;

    // Capture loop state: the grab point in control coordinates, the outline
    // being dragged and the cursor position of the latest motion.
    bool InDragLoop = false;
    QPoint Grab;
    QRect Frame;
    QPoint PendingCursor;
    QTimer* MoveTimer = nullptr;
    QRubberBand* Outline = nullptr;
};

class TfcImageForm : public TfcCustomImageForm {
    Q_OBJECT
public:
    using TfcCustomImageForm::TfcCustomImageForm;
};
