// The frame a window manager will put around a top-level window.
#include "frameExtents.h"

#include <QGuiApplication>
#include <QWidget>

#if defined(PELLWICK_HAVE_XCB)
#include <QThread>
#include <QtGui/qguiapplication_platform.h>

#include <xcb/xcb.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>
#endif

namespace frameExtents {

#if defined(PELLWICK_HAVE_XCB)
namespace {

// An xcb reply, freed with free() as xcb wants.
template <class Reply>
using Owned = std::unique_ptr<Reply, decltype(&std::free)>;

xcb_atom_t Atom(xcb_connection_t* c, const char* name)
{
    const Owned<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 1, static_cast<std::uint16_t>(std::strlen(name)), name), nullptr),
        &std::free);
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

// The 32-bit values of a property, or nothing.
std::vector<std::uint32_t> Property(xcb_connection_t* c, xcb_window_t window, xcb_atom_t property, xcb_atom_t type)
{
    const Owned<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(c, xcb_get_property(c, 0, window, property, type, 0, 1024), nullptr), &std::free);
    if (!reply || reply->format != 32) return {};
    const auto* values = static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get()));
    return {values, values + xcb_get_property_value_length(reply.get()) / 4};
}

QMargins AskWindowManager(xcb_connection_t* c, xcb_window_t window)
{
    const Owned<xcb_query_tree_reply_t> tree(xcb_query_tree_reply(c, xcb_query_tree(c, window), nullptr), &std::free);
    const xcb_atom_t supported = Atom(c, "_NET_SUPPORTED");
    const xcb_atom_t request = Atom(c, "_NET_REQUEST_FRAME_EXTENTS");
    const xcb_atom_t extents = Atom(c, "_NET_FRAME_EXTENTS");
    if (!tree || supported == XCB_ATOM_NONE || request == XCB_ATOM_NONE || extents == XCB_ATOM_NONE) return {};
    const std::vector<std::uint32_t> features = Property(c, tree->root, supported, XCB_ATOM_ATOM);
    if (std::find(features.begin(), features.end(), request) == features.end()) return {};

    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = request;
    xcb_send_event(c, 0, tree->root, XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(c);

    // A window manager answers at once; one that claims the request and does
    // not answer costs the start at most a fifth of a second.
    for (int attempt = 0; attempt < 40; ++attempt) {
        const std::vector<std::uint32_t> ltrb = Property(c, window, extents, XCB_ATOM_CARDINAL);
        if (ltrb.size() == 4)
            return QMargins(static_cast<int>(ltrb[0]), static_cast<int>(ltrb[2]), static_cast<int>(ltrb[1]),
                            static_cast<int>(ltrb[3]));
        QThread::msleep(5);
    }
    return {};
}

} // namespace
#endif

QMargins Expected(QWidget& window)
{
    const WId id = window.winId();
#if defined(PELLWICK_HAVE_XCB)
    // Platforms other than xcb may offer the interface without a connection
    // (the offscreen one does).
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (connection && !xcb_connection_has_error(connection))
        return AskWindowManager(connection, static_cast<xcb_window_t>(id));
#else
    Q_UNUSED(id);
#endif
    const QRect frame = window.frameGeometry();
    const QRect client = window.geometry();
    return {client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
            frame.bottom() - client.bottom()};
}

} // namespace frameExtents
