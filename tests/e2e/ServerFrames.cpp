#include "ServerFrames.h"

#include <QApplication>
#include <QGuiApplication>
#include <QWidget>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>

#include <xcb/xcb.h>

namespace tova::test {

namespace {

template <typename Reply> using ReplyPointer = std::unique_ptr<Reply, decltype(&std::free)>;

template <typename Reply> ReplyPointer<Reply> owned(Reply* reply) {
    return ReplyPointer<Reply>(reply, &std::free);
}

xcb_connection_t* xConnection() {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

xcb_window_t rootOf(xcb_connection_t* connection) {
    return xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
}

// The window's ancestor that is a child of the root: the frame a window manager put around it.
xcb_window_t frameOf(xcb_connection_t* connection, xcb_window_t window, xcb_window_t root) {
    for (;;) {
        const auto tree = owned(xcb_query_tree_reply(connection, xcb_query_tree(connection, window), nullptr));
        if (!tree || tree->parent == root || tree->parent == XCB_WINDOW_NONE)
            return window;
        window = tree->parent;
    }
}

} // namespace

QList<ServerFrame> stackedServerFrames() {
    xcb_connection_t* connection = xConnection();
    if (!connection)
        return {};
    const xcb_window_t root = rootOf(connection);
    const auto rootTree = owned(xcb_query_tree_reply(connection, xcb_query_tree(connection, root), nullptr));
    if (!rootTree)
        return {};
    const xcb_window_t* stack = xcb_query_tree_children(rootTree.get());
    const int stacked = xcb_query_tree_children_length(rootTree.get());

    QList<std::pair<int, ServerFrame>> found;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        const Qt::WindowType type = window->windowType();
        if (!window->isVisible() || (type != Qt::Window && type != Qt::Dialog) ||
            (window->windowFlags() & Qt::FramelessWindowHint))
            continue;
        const auto client = static_cast<xcb_window_t>(window->winId());
        const xcb_window_t frame = frameOf(connection, client, root);
        const auto geometry = owned(xcb_get_geometry_reply(connection, xcb_get_geometry(connection, frame), nullptr));
        const auto own = owned(xcb_get_geometry_reply(connection, xcb_get_geometry(connection, client), nullptr));
        const auto inRoot = owned(xcb_translate_coordinates_reply(
            connection, xcb_translate_coordinates(connection, client, root, 0, 0), nullptr));
        const int level = int(std::find(stack, stack + stacked, frame) - stack);
        if (!geometry || !own || !inRoot || level == stacked)
            continue;
        ServerFrame shown;
        shown.window = window;
        shown.frame = QRect(geometry->x, geometry->y, geometry->width + 2 * geometry->border_width,
                            geometry->height + 2 * geometry->border_width);
        shown.client = QRect(inRoot->dst_x, inRoot->dst_y, own->width, own->height);
        shown.titleBar = frame == client ? 0 : inRoot->dst_y - shown.frame.y();
        found.append({level, shown});
    }
    std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    QList<ServerFrame> frames;
    for (const auto& entry : std::as_const(found))
        frames << entry.second;
    return frames;
}

namespace {

xcb_atom_t atomNamed(xcb_connection_t* connection, const char* name) {
    const auto atom = owned(xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr));
    return atom ? atom->atom : xcb_atom_t(XCB_ATOM_NONE);
}

} // namespace

void activateAsChosen(QWidget& window) {
    xcb_connection_t* connection = xConnection();
    if (!connection)
        return;
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = static_cast<xcb_window_t>(window.winId());
    message.type = atomNamed(connection, "_NET_ACTIVE_WINDOW");
    message.data.data32[0] = 2; // asked for by a pager, which speaks for the user
    message.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(connection, 0, rootOf(connection),
                   XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(connection);
}

bool windowManagerRuns() {
    xcb_connection_t* connection = xConnection();
    if (!connection)
        return false;
    const xcb_atom_t check = atomNamed(connection, "_NET_SUPPORTING_WM_CHECK");
    if (check == XCB_ATOM_NONE)
        return false;
    const auto property = owned(xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, rootOf(connection), check, XCB_ATOM_WINDOW, 0, 1), nullptr));
    return property && xcb_get_property_value_length(property.get()) > 0;
}

} // namespace tova::test
