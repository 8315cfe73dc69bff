#pragma once
// One connection to the test's X server: what the windows are and show, read
// from the server's own replies, and pointer and keys sent through XTest. No
// process is started for a look or an event, so polling costs the program
// under test next to nothing.

#include <QImage>
#include <QMargins>
#include <QRect>
#include <QString>

#include <xcb/xcb.h>

#include <cstdint>
#include <map>
#include <vector>

class TXConnection {
public:
    // Throws when the server cannot be reached or lacks XTest.
    explicit TXConnection(const QString& display);
    ~TXConnection();
    TXConnection(const TXConnection&) = delete;
    TXConnection& operator=(const TXConnection&) = delete;

    // The windows that name the process in _NET_WM_PID, anywhere in the tree.
    std::vector<xcb_window_t> WindowsOf(uint32_t pid) const;
    QRect Geometry(xcb_window_t window) const; // root coordinates; empty when gone
    bool Viewable(xcb_window_t window) const;
    QMargins FrameExtents(xcb_window_t window) const; // none without a window manager
    QString Name(xcb_window_t window) const;
    QString Role(xcb_window_t window) const;
    bool Iconic(xcb_window_t window) const; // WM_STATE says so
    bool WindowManagerRunning() const;
    // The window manager offers the action (_NET_WM_ACTION_MINIMIZE...) on the window.
    bool Allows(xcb_window_t window, const char* action) const;
    // The keyboard goes to the window: the input focus is on it, an ancestor
    // or a descendant.
    bool KeyboardOn(xcb_window_t window) const;
    bool Active(xcb_window_t window) const;  // the window manager's _NET_ACTIVE_WINDOW
    QImage Image(const QRect& screen) const; // black where off the screen
    QRect ScreenRect() const;

    void MovePointer(QPoint screen);
    void Button(int button, bool down);
    // The server holds the button down. A window manager that takes a click
    // first freezes the pointer until it lets the click through; a release
    // sent meanwhile waits, while keys sent after it would not.
    bool ButtonDown(int button) const;
    void Key(const QString& keys); // "ctrl+d", "Return", "space", "F11"...
    // Any printable text: a character no key gives is put on a spare key
    // first, once, so the program reads the new mapping before the keys.
    void Type(const QString& text);
    void Raise(xcb_window_t window);
    void Iconify(xcb_window_t window); // asks the window manager
    void SetFocus(xcb_window_t window);
    // Until the server has handled everything sent so far.
    void Sync() const;

private:
    xcb_atom_t Atom(const char* name) const;
    std::vector<uint32_t> Cardinals(xcb_window_t window, xcb_atom_t property,
                                    xcb_atom_t type) const;
    QByteArray Bytes(xcb_window_t window, xcb_atom_t property, xcb_atom_t type) const;
    xcb_window_t Parent(xcb_window_t window) const;
    bool Contains(xcb_window_t ancestor, xcb_window_t window) const;
    void LoadKeyboardMapping();
    void PressKeySym(uint32_t keysym, bool down);
    void MapKeySym(uint32_t keysym);
    void FakeKey(xcb_keycode_t code, bool down);

    xcb_connection_t* Connection = nullptr;
    xcb_screen_t* Screen = nullptr;
    mutable std::map<QByteArray, xcb_atom_t> Atoms;
    // keysym to its key code and whether Shift is needed for it
    std::map<uint32_t, std::pair<xcb_keycode_t, bool>> Keys;
    std::vector<xcb_keycode_t> SpareKeys; // with no keysym at all
};
