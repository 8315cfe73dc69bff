#include "platform/DesktopWindows.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QInputEvent>
#include <QSocketNotifier>
#include <QWidget>

#include <xcb/xcb.h>
#include <xcb/xinput.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace {

template <typename T> using Reply = std::unique_ptr<T, decltype(&std::free)>;

template <typename T> Reply<T> Owned(T* reply) {
    return Reply<T>(reply, &std::free);
}

xcb_connection_t* Connection() {
    const auto* x11 =
        qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

xcb_atom_t Atom(xcb_connection_t* c, const char* name) {
    const auto reply = Owned(xcb_intern_atom_reply(
        c, xcb_intern_atom(c, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr));
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

std::vector<uint32_t> Property(xcb_connection_t* c, xcb_window_t window, xcb_atom_t property) {
    const auto reply = Owned(xcb_get_property_reply(
        c, xcb_get_property(c, 0, window, property, XCB_ATOM_ANY, 0, 64), nullptr));
    if (!reply || reply->format != 32)
        return {};
    const auto* values = static_cast<const uint32_t*>(xcb_get_property_value(reply.get()));
    return {values, values + xcb_get_property_value_length(reply.get()) / 4};
}

bool Iconic(xcb_connection_t* c, xcb_window_t window) {
    constexpr uint32_t kIconicState = 3;
    const std::vector<uint32_t> wmState = Property(c, window, Atom(c, "WM_STATE"));
    if (!wmState.empty() && wmState.front() == kIconicState)
        return true;
    const xcb_atom_t hidden = Atom(c, "_NET_WM_STATE_HIDDEN");
    for (const uint32_t state : Property(c, window, Atom(c, "_NET_WM_STATE")))
        if (state == hidden)
            return true;
    return false;
}

bool Viewable(xcb_connection_t* c, xcb_window_t window) {
    const auto attributes =
        Owned(xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, window), nullptr));
    return attributes && attributes->map_state == XCB_MAP_STATE_VIEWABLE;
}

// The window's frame: its ancestor among the root's children.
xcb_window_t TopLevel(xcb_connection_t* c, xcb_window_t window) {
    for (;;) {
        const auto tree = Owned(xcb_query_tree_reply(c, xcb_query_tree(c, window), nullptr));
        if (!tree || tree->parent == tree->root || tree->parent == XCB_WINDOW_NONE)
            return window;
        window = tree->parent;
    }
}

QRect Bounds(xcb_connection_t* c, xcb_window_t window) {
    const auto geometry = Owned(xcb_get_geometry_reply(c, xcb_get_geometry(c, window), nullptr));
    if (!geometry)
        return {};
    const int border = geometry->border_width;
    return {geometry->x, geometry->y, geometry->width + 2 * border, geometry->height + 2 * border};
}

// Override-redirect windows (menus, tips) come and go by themselves.
bool Covers(xcb_connection_t* c, xcb_window_t window, const QRect& area) {
    const auto attributes =
        Owned(xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, window), nullptr));
    return attributes && attributes->map_state == XCB_MAP_STATE_VIEWABLE &&
           !attributes->override_redirect && attributes->_class == XCB_WINDOW_CLASS_INPUT_OUTPUT &&
           Bounds(c, window).intersects(area);
}

xcb_window_t Root(xcb_connection_t* c) {
    return xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
}

// The root's children, bottom first, as they are stacked.
std::vector<xcb_window_t> Stacking(xcb_connection_t* c) {
    const auto tree = Owned(xcb_query_tree_reply(c, xcb_query_tree(c, Root(c)), nullptr));
    if (!tree)
        return {};
    const xcb_window_t* children = xcb_query_tree_children(tree.get());
    return {children, children + xcb_query_tree_children_length(tree.get())};
}

// A window above the frame, in the order given, covers part of it.
bool CoveredAmong(xcb_connection_t* c, const std::vector<xcb_window_t>& stacking,
                  xcb_window_t frame) {
    const auto self = std::find(stacking.begin(), stacking.end(), frame);
    if (self == stacking.end())
        return false;
    const QRect area = Bounds(c, frame);
    return std::any_of(std::next(self), stacking.end(),
                       [&](xcb_window_t above) { return Covers(c, above, area); });
}

xcb_window_t TransientFor(xcb_connection_t* c, xcb_window_t window) {
    const std::vector<uint32_t> parent = Property(c, window, XCB_ATOM_WM_TRANSIENT_FOR);
    return parent.empty() ? xcb_window_t{XCB_WINDOW_NONE} : parent.front();
}

void SetTransientFor(xcb_connection_t* c, xcb_window_t window, xcb_window_t parent) {
    if (parent != XCB_WINDOW_NONE)
        xcb_change_property(c, XCB_PROP_MODE_REPLACE, window, XCB_ATOM_WM_TRANSIENT_FOR,
                            XCB_ATOM_WINDOW, 32, 1, &parent);
    else
        xcb_delete_property(c, window, XCB_ATOM_WM_TRANSIENT_FOR);
}

} // namespace

// A window manager keeps a transient above the window it is transient for,
// also when that one is full screen: the desktops' managers put a
// full-screen window above every window of its program but its transients.
// Some (xfwm4) read WM_TRANSIENT_FOR only when a window is mapped, so a
// window already shown is mapped again. Qt writes the property only for
// dialogs and tool windows, and deletes it when it maps any other: it is
// written after Qt's map request, with the server held so that the window
// manager cannot read the property between the two.
void KeepAbove(QWidget* window, const QWidget* other) {
    xcb_connection_t* c = Connection();
    if (!c || !window->testAttribute(Qt::WA_WState_Created))
        return;
    const auto id = static_cast<xcb_window_t>(window->winId());
    const xcb_window_t parent =
        other ? static_cast<xcb_window_t>(other->winId()) : xcb_window_t{XCB_WINDOW_NONE};
    if (TransientFor(c, id) == parent)
        return;
    xcb_grab_server(c);
    if (window->isVisible()) {
        window->hide();
        window->show();
    }
    SetTransientFor(c, id, parent);
    xcb_ungrab_server(c);
    xcb_flush(c);
}

bool InFullView(const QWidget* window) {
    if (!window->isVisible() || window->isMinimized())
        return false;
    xcb_connection_t* c = Connection();
    if (!c)
        return true;
    const auto id = static_cast<xcb_window_t>(window->winId());
    return Viewable(c, id) && !Iconic(c, id) && !CoveredAmong(c, Stacking(c), TopLevel(c, id));
}

// Iconified or on another desktop, the window is withdrawn and mapped
// again: every window manager puts a window it is given anew on the
// desktop in view, as a normal one. Qt may not have heard of the iconify
// yet, so the server is asked.
void Deiconify(QWidget* window) {
    xcb_connection_t* c = Connection();
    if (c && window->isVisible()) {
        const auto id = static_cast<xcb_window_t>(window->winId());
        if (!Viewable(c, id) || Iconic(c, id))
            window->hide();
    }
    // Only once withdrawn: Qt asks a shown window out of iconified by mapping
    // it, a request the window manager would answer after the withdrawal.
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
}

namespace {

constexpr size_t kLooksKept = 16;

// Server times wrap around after 49 days.
bool Before(uint32_t time, uint32_t other) {
    return static_cast<int32_t>(time - other) < 0;
}

// An event numbered below a request was sent before the server carried it out.
bool SentBefore(uint16_t event, unsigned int request) {
    return static_cast<int16_t>(event - static_cast<uint16_t>(request)) < 0;
}

} // namespace

// The root's children in their stacking order, kept from the server's own
// notices of each restack, on a connection of its own. The order read when
// the program gets round to a notice may already hold the restacks that
// came after it; and Qt's connection merges the notices of one parent.
// Each key or button that goes down is heard here too, in its place among
// the restacks: some managers (xfwm4) list a restack only at the next click.
class TStackingWatch {
public:
    enum class TMoment { Restack, Press };
    using TListed =
        std::function<void(uint32_t time, const std::vector<xcb_window_t>& order, TMoment moment)>;
    static std::unique_ptr<TStackingWatch> Open(TListed listed) {
        if (!Connection())
            return nullptr;
        xcb_connection_t* own = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(own)) {
            xcb_disconnect(own);
            return nullptr;
        }
        return std::unique_ptr<TStackingWatch>(new TStackingWatch(own, std::move(listed)));
    }
    ~TStackingWatch() {
        Notifier.reset();
        xcb_disconnect(Own);
    }
    const std::vector<xcb_window_t>& Order() const { return Windows; }

    // Takes in the notices that have come.
    void CatchUp() {
        // A server gone would keep the socket readable for ever.
        if (xcb_connection_has_error(Own)) {
            Notifier->setEnabled(false);
            return;
        }
        while (xcb_generic_event_t* event = xcb_poll_for_event(Own)) {
            const auto owned = Owned(event);
            // The tree read already holds what came before it.
            if (!TreeRead || !SentBefore(event->sequence, *TreeRead))
                Apply(*event);
        }
    }
    // Takes in every notice the server has sent until now.
    void Sync() {
        std::free(xcb_get_input_focus_reply(Own, xcb_get_input_focus(Own), nullptr));
        CatchUp();
    }

private:
    TStackingWatch(xcb_connection_t* own, TListed listed)
        : Own(own), RootWindow(Root(own)), ListAtom(Atom(own, "_NET_CLIENT_LIST_STACKING")),
          Listed(std::move(listed)) {
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_PROPERTY_CHANGE;
        xcb_change_window_attributes(Own, RootWindow, XCB_CW_EVENT_MASK, &mask);
        HearPresses();
        const xcb_query_tree_cookie_t tree = xcb_query_tree(Own, RootWindow);
        TreeRead = tree.sequence;
        if (const auto reply = Owned(xcb_query_tree_reply(Own, tree, nullptr))) {
            const xcb_window_t* children = xcb_query_tree_children(reply.get());
            Windows.assign(children, children + xcb_query_tree_children_length(reply.get()));
        }
        Notifier =
            std::make_unique<QSocketNotifier>(xcb_get_file_descriptor(Own), QSocketNotifier::Read);
        QObject::connect(Notifier.get(), &QSocketNotifier::activated, [this] { CatchUp(); });
        Sync();
        TreeRead.reset();
    }

    // Raw events reach every client that asks, also while another holds a
    // grab, from input version 2.1 on.
    void HearPresses() {
        const xcb_query_extension_reply_t* input = xcb_get_extension_data(Own, &xcb_input_id);
        if (!input || !input->present)
            return;
        const auto version = Owned(
            xcb_input_xi_query_version_reply(Own, xcb_input_xi_query_version(Own, 2, 2), nullptr));
        if (!version || (version->major_version == 2 && version->minor_version < 1))
            return;
        struct {
            xcb_input_event_mask_t head;
            uint32_t bits;
        } mask{{XCB_INPUT_DEVICE_ALL_MASTER, 1},
               XCB_INPUT_XI_EVENT_MASK_RAW_KEY_PRESS | XCB_INPUT_XI_EVENT_MASK_RAW_BUTTON_PRESS};
        xcb_input_xi_select_events(Own, RootWindow, 1, &mask.head);
        InputOpcode = input->major_opcode;
    }

    template <typename T> static const T& As(const xcb_generic_event_t& event) {
        return reinterpret_cast<const T&>(event);
    }

    void Apply(const xcb_generic_event_t& event) {
        switch (event.response_type & 0x7f) {
        case XCB_CREATE_NOTIFY:
            if (As<xcb_create_notify_event_t>(event).parent == RootWindow)
                PutOnTop(As<xcb_create_notify_event_t>(event).window);
            break;
        case XCB_DESTROY_NOTIFY:
            Remove(As<xcb_destroy_notify_event_t>(event).window);
            break;
        case XCB_REPARENT_NOTIFY: {
            const auto& e = As<xcb_reparent_notify_event_t>(event);
            Remove(e.window);
            if (e.parent == RootWindow)
                PutOnTop(e.window);
            break;
        }
        case XCB_CONFIGURE_NOTIFY: {
            const auto& e = As<xcb_configure_notify_event_t>(event);
            if (e.event == RootWindow)
                PutAbove(e.window, e.above_sibling);
            break;
        }
        case XCB_CIRCULATE_NOTIFY: {
            const auto& e = As<xcb_circulate_notify_event_t>(event);
            if (e.place == XCB_PLACE_ON_TOP)
                PutOnTop(e.window);
            else
                PutAbove(e.window, XCB_WINDOW_NONE);
            break;
        }
        case XCB_PROPERTY_NOTIFY: {
            const auto& e = As<xcb_property_notify_event_t>(event);
            if (e.window == RootWindow && e.atom == ListAtom)
                Listed(e.time, Windows, TMoment::Restack);
            break;
        }
        case XCB_GE_GENERIC: {
            const auto& e = As<xcb_input_raw_button_press_event_t>(event);
            if (InputOpcode && e.extension == *InputOpcode &&
                (e.event_type == XCB_INPUT_RAW_BUTTON_PRESS ||
                 e.event_type == XCB_INPUT_RAW_KEY_PRESS))
                Listed(e.time, Windows, TMoment::Press);
            break;
        }
        default:
            break;
        }
    }
    void Remove(xcb_window_t window) {
        Windows.erase(std::remove(Windows.begin(), Windows.end(), window), Windows.end());
    }
    void PutOnTop(xcb_window_t window) {
        Remove(window);
        Windows.push_back(window);
    }
    // With no sibling, at the bottom.
    void PutAbove(xcb_window_t window, xcb_window_t sibling) {
        Remove(window);
        const auto below = std::find(Windows.begin(), Windows.end(), sibling);
        Windows.insert(sibling == XCB_WINDOW_NONE ? Windows.begin()
                       : below == Windows.end()   ? Windows.end()
                                                  : std::next(below),
                       window);
    }

    xcb_connection_t* Own;
    xcb_window_t RootWindow;
    xcb_atom_t ListAtom;
    TListed Listed;
    std::optional<uint8_t> InputOpcode;
    std::optional<unsigned int> TreeRead;
    std::vector<xcb_window_t> Windows; // bottom first
    std::unique_ptr<QSocketNotifier> Notifier;
};

TViewAtPress::TViewAtPress(std::function<const QWidget*()> window, QObject* parent)
    : QObject(parent), Window(std::move(window)) {
    if (xcb_connection_t* c = Connection())
        StateAtoms = {Atom(c, "WM_STATE"), Atom(c, "_NET_WM_STATE")};
    Restacks = TStackingWatch::Open([this](uint32_t time, const std::vector<xcb_window_t>& order,
                                           TStackingWatch::TMoment moment) {
        Look(time, order, moment == TStackingWatch::TMoment::Press);
    });
    QCoreApplication::instance()->installEventFilter(this);
    QCoreApplication::instance()->installNativeEventFilter(this);
}

TViewAtPress::~TViewAtPress() {
    QCoreApplication::instance()->removeNativeEventFilter(this);
}

xcb_window_t TViewAtPress::WindowId() const {
    const QWidget* window = Window();
    return window && window->testAttribute(Qt::WA_WState_Created)
               ? static_cast<xcb_window_t>(window->winId())
               : xcb_window_t{XCB_WINDOW_NONE};
}

// The order of the windows is the one taken at the press itself, or else
// the one the last look before the press saw; whether each is shown and
// where is read now, so that a window mapped after the look still counts.
// With no look before the press (or no window manager to tell of a
// restack), how the window stands now is how it stood.
bool TViewAtPress::InView() {
    if (Restacks)
        Restacks->Sync();
    auto look = std::find_if(Seen.rbegin(), Seen.rend(),
                             [this](const TLook& l) { return l.AtPress && l.Time == LastPress; });
    if (look == Seen.rend())
        look = std::find_if(Seen.rbegin(), Seen.rend(),
                            [this](const TLook& l) { return Before(l.Time, LastPress); });
    if (look == Seen.rend())
        return InFullView(Window());
    xcb_connection_t* c = Connection();
    const xcb_window_t id = WindowId();
    if (look->Iconic || id == XCB_WINDOW_NONE)
        return false;
    const xcb_window_t frame = TopLevel(c, id);
    const auto& stacking = look->Stacking;
    return std::find(stacking.begin(), stacking.end(), frame) != stacking.end() &&
           !CoveredAmong(c, stacking, frame);
}

bool TViewAtPress::eventFilter(QObject*, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::KeyPress)
        LastPress = static_cast<uint32_t>(static_cast<QInputEvent*>(event)->timestamp());
    return false;
}

// The window manager rewrites the window's state when it iconifies it.
bool TViewAtPress::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (!Restacks || eventType != "xcb_generic_event_t")
        return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7f) != XCB_PROPERTY_NOTIFY)
        return false;
    const auto* notify = reinterpret_cast<const xcb_property_notify_event_t*>(event);
    if (notify->window == WindowId() &&
        std::find(StateAtoms.begin(), StateAtoms.end(), notify->atom) != StateAtoms.end()) {
        Restacks->Sync();
        Look(notify->time, Restacks->Order(), false);
    }
    return false;
}

void TViewAtPress::Look(uint32_t time, std::vector<uint32_t> stacking, bool atPress) {
    const xcb_window_t id = WindowId();
    Seen.push_back(
        {time, std::move(stacking), id != XCB_WINDOW_NONE && Iconic(Connection(), id), atPress});
    if (Seen.size() > kLooksKept)
        Seen.pop_front();
}
