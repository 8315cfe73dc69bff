#include "userlevel/XConnection.h"

#include <QRegularExpression>

#include <xcb/xtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <stdexcept>

namespace {

template <typename T> struct TFree {
    void operator()(T* p) const { std::free(p); }
};
template <typename T> using TReply = std::unique_ptr<T, TFree<T>>;

// The reply, or none after an error: a window may be gone by the time it is
// asked about, and that is no failure of the test.
template <typename T, typename Cookie>
TReply<T> Reply(xcb_connection_t* connection,
                T* (*get)(xcb_connection_t*, Cookie, xcb_generic_error_t**), Cookie cookie) {
    xcb_generic_error_t* error = nullptr;
    TReply<T> reply(get(connection, cookie, &error));
    std::free(error);
    return reply;
}

[[noreturn]] void Fail(const QString& what) {
    throw std::runtime_error(what.toStdString());
}

constexpr uint32_t kIconicState = 3;
constexpr uint32_t kShiftL = 0xffe1;

uint32_t KeySymOf(const QString& name) {
    static const std::map<QString, uint32_t> named = {
        {"space", 0x20},       {"Return", 0xff0d},  {"Escape", 0xff1b},   {"Tab", 0xff09},
        {"BackSpace", 0xff08}, {"Delete", 0xffff},  {"Home", 0xff50},     {"Left", 0xff51},
        {"Up", 0xff52},        {"Right", 0xff53},   {"Down", 0xff54},     {"Prior", 0xff55},
        {"Next", 0xff56},      {"End", 0xff57},     {"shift", kShiftL},   {"ctrl", 0xffe3},
        {"alt", 0xffe9},       {"super", 0xffeb},   {"Shift_L", kShiftL}, {"Control_L", 0xffe3},
        {"Alt_L", 0xffe9},     {"Super_L", 0xffeb}, {"plus", '+'},        {"minus", '-'},
        {"period", '.'}};
    if (const auto found = named.find(name); found != named.end())
        return found->second;
    if (name.size() == 1 && name[0].unicode() > 0x20 && name[0].unicode() < 0x7f)
        return name[0].unicode(); // Latin-1 keysyms are the characters themselves
    static const QRegularExpression function("^F([1-9]|1[0-2])$");
    if (const auto match = function.match(name); match.hasMatch())
        return 0xffbe + match.captured(1).toUInt() - 1;
    Fail("no key named " + name);
}

} // namespace

TXConnection::TXConnection(const QString& display) {
    Connection = xcb_connect(display.toLatin1().constData(), nullptr);
    if (xcb_connection_has_error(Connection))
        Fail("cannot connect to X server " + display);
    const xcb_setup_t* setup = xcb_get_setup(Connection);
    Screen = xcb_setup_roots_iterator(setup).data;
    // Images are read as 32-bit pixels, blue first, which is QImage's RGB32.
    bool rgb32 = false;
    for (auto format = xcb_setup_pixmap_formats_iterator(setup); format.rem;
         xcb_format_next(&format))
        rgb32 |= format.data->depth == Screen->root_depth && format.data->bits_per_pixel == 32;
    if (Screen->root_depth != 24 || !rgb32 || setup->image_byte_order != XCB_IMAGE_ORDER_LSB_FIRST)
        Fail("the X server's pixels are not 24-bit colour in 32 bits");
    const auto xtest =
        Reply(Connection, xcb_test_get_version_reply, xcb_test_get_version(Connection, 2, 2));
    if (!xtest)
        Fail("the X server has no XTest");
    LoadKeyboardMapping();
}

TXConnection::~TXConnection() {
    xcb_disconnect(Connection);
}

xcb_atom_t TXConnection::Atom(const char* name) const {
    if (const auto known = Atoms.find(name); known != Atoms.end())
        return known->second;
    const auto reply = Reply(Connection, xcb_intern_atom_reply,
                             xcb_intern_atom(Connection, 0, uint16_t(std::strlen(name)), name));
    if (!reply)
        Fail(QString("no atom ") + name);
    return Atoms[name] = reply->atom;
}

QByteArray TXConnection::Bytes(xcb_window_t window, xcb_atom_t property, xcb_atom_t type) const {
    const auto reply = Reply(Connection, xcb_get_property_reply,
                             xcb_get_property(Connection, 0, window, property, type, 0, 4096));
    if (!reply || reply->type == XCB_NONE)
        return {};
    return QByteArray(static_cast<const char*>(xcb_get_property_value(reply.get())),
                      xcb_get_property_value_length(reply.get()));
}

std::vector<uint32_t> TXConnection::Cardinals(xcb_window_t window, xcb_atom_t property,
                                              xcb_atom_t type) const {
    const QByteArray bytes = Bytes(window, property, type);
    std::vector<uint32_t> values(bytes.size() / sizeof(uint32_t));
    std::memcpy(values.data(), bytes.constData(), values.size() * sizeof(uint32_t));
    return values;
}

std::vector<xcb_window_t> TXConnection::WindowsOf(uint32_t pid) const {
    // Level by level, each level's requests sent at once: one round trip a level.
    const xcb_atom_t pidAtom = Atom("_NET_WM_PID");
    std::vector<xcb_window_t> found;
    std::vector<xcb_window_t> level{Screen->root};
    while (!level.empty()) {
        std::vector<xcb_query_tree_cookie_t> trees;
        std::vector<xcb_get_property_cookie_t> pids;
        for (const xcb_window_t window : level) {
            trees.push_back(xcb_query_tree(Connection, window));
            pids.push_back(
                xcb_get_property(Connection, 0, window, pidAtom, XCB_ATOM_CARDINAL, 0, 1));
        }
        std::vector<xcb_window_t> next;
        for (size_t i = 0; i < level.size(); ++i) {
            const auto owner = Reply(Connection, xcb_get_property_reply, pids[i]);
            if (owner && owner->format == 32 && xcb_get_property_value_length(owner.get()) == 4 &&
                *static_cast<const uint32_t*>(xcb_get_property_value(owner.get())) == pid)
                found.push_back(level[i]);
            if (const auto tree = Reply(Connection, xcb_query_tree_reply, trees[i])) {
                const xcb_window_t* children = xcb_query_tree_children(tree.get());
                next.insert(next.end(), children,
                            children + xcb_query_tree_children_length(tree.get()));
            }
        }
        level.swap(next);
    }
    return found;
}

QRect TXConnection::Geometry(xcb_window_t window) const {
    const auto size = xcb_get_geometry(Connection, window);
    const auto origin = xcb_translate_coordinates(Connection, window, Screen->root, 0, 0);
    const auto sizeReply = Reply(Connection, xcb_get_geometry_reply, size);
    const auto originReply = Reply(Connection, xcb_translate_coordinates_reply, origin);
    if (!sizeReply || !originReply)
        return {};
    return {originReply->dst_x, originReply->dst_y, sizeReply->width, sizeReply->height};
}

bool TXConnection::Viewable(xcb_window_t window) const {
    const auto reply = Reply(Connection, xcb_get_window_attributes_reply,
                             xcb_get_window_attributes(Connection, window));
    return reply && reply->map_state == XCB_MAP_STATE_VIEWABLE;
}

QMargins TXConnection::FrameExtents(xcb_window_t window) const {
    // left, right, top, bottom
    const auto extents = Cardinals(window, Atom("_NET_FRAME_EXTENTS"), XCB_ATOM_CARDINAL);
    if (extents.size() != 4)
        return {};
    return {int(extents[0]), int(extents[2]), int(extents[1]), int(extents[3])};
}

QString TXConnection::Name(xcb_window_t window) const {
    const QByteArray name = Bytes(window, Atom("_NET_WM_NAME"), Atom("UTF8_STRING"));
    if (!name.isEmpty())
        return QString::fromUtf8(name);
    const QByteArray utf8 = Bytes(window, XCB_ATOM_WM_NAME, Atom("UTF8_STRING"));
    if (!utf8.isEmpty())
        return QString::fromUtf8(utf8);
    return QString::fromLatin1(Bytes(window, XCB_ATOM_WM_NAME, XCB_ATOM_STRING));
}

QString TXConnection::Role(xcb_window_t window) const {
    return QString::fromLatin1(Bytes(window, Atom("WM_WINDOW_ROLE"), XCB_ATOM_STRING));
}

bool TXConnection::Iconic(xcb_window_t window) const {
    const xcb_atom_t state = Atom("WM_STATE");
    const auto values = Cardinals(window, state, state);
    return !values.empty() && values[0] == kIconicState;
}

bool TXConnection::Allows(xcb_window_t window, const char* action) const {
    const auto actions = Cardinals(window, Atom("_NET_WM_ALLOWED_ACTIONS"), XCB_ATOM_ATOM);
    return std::find(actions.begin(), actions.end(), Atom(action)) != actions.end();
}

bool TXConnection::WindowManagerRunning() const {
    return !Bytes(Screen->root, Atom("_NET_SUPPORTING_WM_CHECK"), XCB_ATOM_WINDOW).isEmpty();
}

xcb_window_t TXConnection::Parent(xcb_window_t window) const {
    const auto tree = Reply(Connection, xcb_query_tree_reply, xcb_query_tree(Connection, window));
    return tree ? tree->parent : XCB_NONE;
}

bool TXConnection::Contains(xcb_window_t ancestor, xcb_window_t window) const {
    for (; window != XCB_NONE; window = Parent(window))
        if (window == ancestor)
            return true;
    return false;
}

bool TXConnection::KeyboardOn(xcb_window_t window) const {
    const auto reply =
        Reply(Connection, xcb_get_input_focus_reply, xcb_get_input_focus(Connection));
    // None and PointerRoot are no window of the program.
    if (!reply || reply->focus == XCB_NONE || reply->focus == XCB_INPUT_FOCUS_POINTER_ROOT)
        return false;
    return Contains(window, reply->focus) || Contains(reply->focus, window);
}

bool TXConnection::Active(xcb_window_t window) const {
    const auto active = Cardinals(Screen->root, Atom("_NET_ACTIVE_WINDOW"), XCB_ATOM_WINDOW);
    return !active.empty() && active[0] == window;
}

QRect TXConnection::ScreenRect() const {
    return {0, 0, Screen->width_in_pixels, Screen->height_in_pixels};
}

QImage TXConnection::Image(const QRect& screen) const {
    QImage image(screen.size(), QImage::Format_RGB32);
    image.fill(Qt::black);
    const QRect shown = screen & ScreenRect();
    if (shown.isEmpty())
        return image;
    const auto reply = Reply(Connection, xcb_get_image_reply,
                             xcb_get_image(Connection, XCB_IMAGE_FORMAT_Z_PIXMAP, Screen->root,
                                           int16_t(shown.x()), int16_t(shown.y()),
                                           uint16_t(shown.width()), uint16_t(shown.height()), ~0u));
    const int stride = shown.width() * 4;
    if (!reply || xcb_get_image_data_length(reply.get()) < stride * shown.height())
        Fail("cannot read the screen");
    const auto* pixels = reinterpret_cast<const uint32_t*>(xcb_get_image_data(reply.get()));
    const QPoint offset = shown.topLeft() - screen.topLeft();
    for (int y = 0; y < shown.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(offset.y() + y)) + offset.x();
        // The server leaves the unused top byte as it likes; RGB32 wants it full.
        for (int x = 0; x < shown.width(); ++x)
            line[x] = pixels[y * shown.width() + x] | 0xff000000u;
    }
    return image;
}

void TXConnection::Sync() const {
    const auto reply =
        Reply(Connection, xcb_get_input_focus_reply, xcb_get_input_focus(Connection));
    if (!reply || xcb_connection_has_error(Connection))
        Fail("lost the X server");
    // Errors of requests without replies (a window gone meanwhile) end up here.
    while (xcb_generic_event_t* event = xcb_poll_for_event(Connection))
        std::free(event);
}

void TXConnection::MovePointer(QPoint screen) {
    xcb_test_fake_input(Connection, XCB_MOTION_NOTIFY, 0, XCB_CURRENT_TIME, Screen->root,
                        int16_t(screen.x()), int16_t(screen.y()), 0);
    Sync();
}

void TXConnection::Button(int button, bool down) {
    xcb_test_fake_input(Connection, down ? XCB_BUTTON_PRESS : XCB_BUTTON_RELEASE, uint8_t(button),
                        XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
    Sync();
}

bool TXConnection::ButtonDown(int button) const {
    if (button < 1 || button > 5)
        return false; // the core protocol keeps no state of other buttons
    const auto reply =
        Reply(Connection, xcb_query_pointer_reply, xcb_query_pointer(Connection, Screen->root));
    return reply && (reply->mask & (XCB_BUTTON_MASK_1 << (button - 1)));
}

void TXConnection::LoadKeyboardMapping() {
    const xcb_setup_t* setup = xcb_get_setup(Connection);
    const uint8_t count = setup->max_keycode - setup->min_keycode + 1;
    const auto reply = Reply(Connection, xcb_get_keyboard_mapping_reply,
                             xcb_get_keyboard_mapping(Connection, setup->min_keycode, count));
    if (!reply)
        Fail("cannot read the keyboard mapping");
    const xcb_keysym_t* syms = xcb_get_keyboard_mapping_keysyms(reply.get());
    const int perCode = reply->keysyms_per_keycode;
    for (int i = 0; i < count; ++i)
        if (std::all_of(syms + i * perCode, syms + (i + 1) * perCode,
                        [](xcb_keysym_t sym) { return sym == XCB_NO_SYMBOL; }))
            SpareKeys.push_back(xcb_keycode_t(setup->min_keycode + i));
    // Unshifted first, so that a keysym on both levels is typed without Shift.
    for (int level = 0; level < std::min(perCode, 2); ++level)
        for (int i = 0; i < count; ++i)
            if (const xcb_keysym_t sym = syms[i * perCode + level]; sym != XCB_NO_SYMBOL)
                Keys.emplace(sym, std::pair{xcb_keycode_t(setup->min_keycode + i), level == 1});
}

void TXConnection::FakeKey(xcb_keycode_t code, bool down) {
    xcb_test_fake_input(Connection, down ? XCB_KEY_PRESS : XCB_KEY_RELEASE, code, XCB_CURRENT_TIME,
                        XCB_NONE, 0, 0, 0);
}

void TXConnection::PressKeySym(uint32_t keysym, bool down) {
    const auto key = Keys.find(keysym);
    if (key == Keys.end())
        Fail(QString("no key gives keysym 0x%1").arg(keysym, 0, 16));
    const auto [code, shifted] = key->second;
    if (shifted && down)
        PressKeySym(kShiftL, true);
    FakeKey(code, down);
    if (shifted && !down)
        PressKeySym(kShiftL, false);
}

void TXConnection::Key(const QString& keys) {
    std::vector<uint32_t> syms;
    for (const QString& name : keys.split('+'))
        syms.push_back(KeySymOf(name));
    for (const uint32_t sym : syms)
        PressKeySym(sym, true);
    for (auto sym = syms.rbegin(); sym != syms.rend(); ++sym)
        PressKeySym(*sym, false);
    Sync();
}

void TXConnection::MapKeySym(uint32_t keysym) {
    if (Keys.count(keysym))
        return;
    if (SpareKeys.empty())
        Fail(QString("no spare key for keysym 0x%1").arg(keysym, 0, 16));
    const xcb_keycode_t code = SpareKeys.back();
    SpareKeys.pop_back();
    // One group of two levels: more would give the keyboard a second group.
    const xcb_keysym_t levels[] = {keysym, keysym};
    xcb_change_keyboard_mapping(Connection, 1, code, 2, levels);
    Keys.emplace(keysym, std::pair{code, false});
}

void TXConnection::Type(const QString& text) {
    std::vector<uint32_t> syms;
    for (const char32_t c : text.toUcs4()) {
        if (c < 0x20 || (c >= 0x7f && c < 0xa0))
            Fail(QString("cannot type U+%1").arg(uint(c), 4, 16, QChar('0')));
        // Latin-1 keysyms are the characters; the others are Unicode's plus 0x1000000.
        syms.push_back(c < 0x100 ? c : 0x1000000 | c);
    }
    for (const uint32_t sym : syms)
        MapKeySym(sym);
    for (const uint32_t sym : syms) {
        PressKeySym(sym, true);
        PressKeySym(sym, false);
    }
    Sync();
}

void TXConnection::Raise(xcb_window_t window) {
    const uint32_t above = XCB_STACK_MODE_ABOVE;
    xcb_configure_window(Connection, window, XCB_CONFIG_WINDOW_STACK_MODE, &above);
    Sync();
}

void TXConnection::Iconify(xcb_window_t window) {
    // What a client sends to have its window iconified (ICCCM 4.1.4).
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = Atom("WM_CHANGE_STATE");
    message.data.data32[0] = kIconicState;
    xcb_send_event(Connection, 0, Screen->root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&message));
    Sync();
}

void TXConnection::SetFocus(xcb_window_t window) {
    xcb_set_input_focus(Connection, XCB_INPUT_FOCUS_PARENT, window, XCB_CURRENT_TIME);
    Sync();
}
