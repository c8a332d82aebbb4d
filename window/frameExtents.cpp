// The frame a window manager will put around a top-level window.
#include "frameExtents.h"

#include <QGuiApplication>
#include <QWidget>

#if defined(PELLWICK_HAVE_XCB)
#include <QThread>
#include <QtGui/qguiapplication_platform.h>

#include <xcb/xcb.h>

#include <algorithm>
#include <array>
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

// The atoms of names, asked for together so that the server answers all of
// them in one round trip; XCB_ATOM_NONE for a name it does not know.
template <std::size_t Count>
std::array<xcb_atom_t, Count> Atoms(xcb_connection_t* c, const std::array<const char*, Count>& names)
{
    std::array<xcb_intern_atom_cookie_t, Count> asked{};
    for (std::size_t n = 0; n < Count; ++n)
        asked[n] = xcb_intern_atom(c, 1, static_cast<std::uint16_t>(std::strlen(names[n])), names[n]);
    std::array<xcb_atom_t, Count> atoms{};
    for (std::size_t n = 0; n < Count; ++n) {
        const Owned<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(c, asked[n], nullptr), &std::free);
        atoms[n] = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    }
    return atoms;
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
    const xcb_query_tree_cookie_t treeAsked = xcb_query_tree(c, window);
    const auto [supported, request, extents] =
        Atoms<3>(c, {"_NET_SUPPORTED", "_NET_REQUEST_FRAME_EXTENTS", "_NET_FRAME_EXTENTS"});
    const Owned<xcb_query_tree_reply_t> tree(xcb_query_tree_reply(c, treeAsked, nullptr), &std::free);
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
    return Reported(window);
}

QMargins Reported(const QWidget& window)
{
    const QRect frame = window.frameGeometry();
    const QRect client = window.geometry();
    return {client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
            frame.bottom() - client.bottom()};
}

} // namespace frameExtents
