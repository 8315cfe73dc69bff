#pragma once
// What the window manager has made of a window, asked of the X server
// itself: Qt hears of an iconify only some time after it happened, and
// knows nothing of what covers a window. Off X11 Qt's own view is all there is.

#include <QAbstractNativeEventFilter>
#include <QObject>

#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <vector>

class QWidget;

// The window manager keeps the window above the other one; with none, it
// goes back to being a window of its own.
void KeepAbove(QWidget* window, const QWidget* other);

// Shown, not iconified, on this desktop and covered by no other window.
bool InFullView(const QWidget* window);

// Shows the window, back from iconified or from another desktop.
void Deiconify(QWidget* window);

class TStackingWatch;

// Whether a window was in the user's full view when the last key or pointer
// button went down. A window manager may restack a program's windows in
// answer to a click (raising its tool windows with the one clicked) before
// the program hears of the click. Every restack, and every press, is noted
// with the server's time, so that one the click caused is told from those
// before it.
class TViewAtPress : public QObject, public QAbstractNativeEventFilter {
public:
    // The window is asked for at each look: it may come later than this.
    TViewAtPress(std::function<const QWidget*()> window, QObject* parent);
    ~TViewAtPress() override;
    bool InView();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    struct TLook {
        uint32_t Time;
        std::vector<uint32_t> Stacking; // the root's children, bottom first
        bool Iconic;
        bool AtPress; // taken as a key or button went down, in the server's order
    };
    uint32_t WindowId() const;
    void Look(uint32_t time, std::vector<uint32_t> stacking, bool atPress);

    std::function<const QWidget*()> Window;
    std::unique_ptr<TStackingWatch> Restacks;
    std::array<uint32_t, 2> StateAtoms{};
    uint32_t LastPress = 0;
    std::deque<TLook> Seen; // newest last
};
