#include "x11-first-frame.h"

#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QWidget>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <poll.h>
#include <xcb/xcb.h>

#include "log.h"

namespace {

const char* const kComponent = "launcher_debug";
// A manager that offers the request answers within a round trip or two; one
// that never answers must not hold the dialog back noticeably.
const int kAnswerWaitMs = 200;

struct ConnectionCloser {
    void operator()(xcb_connection_t* connection) const { xcb_disconnect(connection); }
};
using Connection = std::unique_ptr<xcb_connection_t, ConnectionCloser>;

template <typename T> using Reply = std::unique_ptr<T, decltype(&free)>;

template <typename T> Reply<T> Own(T* reply)
{
    return Reply<T>(reply, free);
}

// A connection of its own to the display the toolkit uses: window ids are
// the server's, so the toolkit's windows can be named from it.
Connection Open(xcb_screen_t** screen)
{
    if (!QGuiApplication::platformName().startsWith(QLatin1String("xcb")))
        return Connection();
    int number = 0;
    Connection connection(xcb_connect(nullptr, &number));
    if (xcb_connection_has_error(connection.get())) {
        Logger::LogMsg(Logger::L_ERR, kComponent,
                       "[ERROR] x11-first-frame(%d): cannot connect to the display %s\n", __LINE__,
                       qgetenv("DISPLAY").constData());
        return Connection();
    }
    xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(connection.get()));
    for (; it.rem > 0 && number > 0; --number)
        xcb_screen_next(&it);
    *screen = it.data;
    return connection;
}

xcb_atom_t Atom(xcb_connection_t* connection, const char* name)
{
    auto reply = Own(xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, strlen(name), name), nullptr));
    return reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
}

// Whether the running manager lists the atom among those it supports.
bool Supported(xcb_connection_t* connection, xcb_window_t root, xcb_atom_t atom)
{
    auto reply = Own(xcb_get_property_reply(
        connection,
        xcb_get_property(connection, 0, root, Atom(connection, "_NET_SUPPORTED"), XCB_ATOM_ATOM,
                         0, 4096),
        nullptr));
    if (!reply || reply->format != 32)
        return false;
    const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply.get()));
    const int count = xcb_get_property_value_length(reply.get()) / 4;
    return std::find(atoms, atoms + count, atom) != atoms + count;
}

bool ReadExtents(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t extents,
                 QMargins* frame)
{
    auto reply = Own(xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, window, extents, XCB_ATOM_CARDINAL, 0, 4),
        nullptr));
    if (!reply || reply->format != 32 || xcb_get_property_value_length(reply.get()) != 16)
        return false;
    // Left, right, top, bottom.
    const auto* v = static_cast<const uint32_t*>(xcb_get_property_value(reply.get()));
    *frame = QMargins(v[0], v[2], v[1], v[3]);
    return true;
}

// Waits, within the bound, for the manager to set the property on the window.
bool AwaitProperty(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t atom)
{
    pollfd fd = {xcb_get_file_descriptor(connection), POLLIN, 0};
    for (int waited = 0; waited < kAnswerWaitMs; waited += 10) {
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection)) {
            const auto* notify = reinterpret_cast<xcb_property_notify_event_t*>(event);
            const bool answer = (event->response_type & 0x7f) == XCB_PROPERTY_NOTIFY &&
                                notify->window == window && notify->atom == atom;
            free(event);
            if (answer)
                return true;
        }
        poll(&fd, 1, 10);
    }
    return false;
}

} // namespace

QMargins AnnouncedFrameExtents(QWidget* window)
{
    xcb_screen_t* screen = nullptr;
    Connection connection = Open(&screen);
    if (!connection)
        return QMargins();
    xcb_connection_t* c = connection.get();
    const xcb_window_t id = static_cast<xcb_window_t>(window->winId());
    const xcb_atom_t request = Atom(c, "_NET_REQUEST_FRAME_EXTENTS");
    const xcb_atom_t extents = Atom(c, "_NET_FRAME_EXTENTS");
    if (!Supported(c, screen->root, request))
        return QMargins();
    const uint32_t mask = XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_change_window_attributes(c, id, XCB_CW_EVENT_MASK, &mask);
    xcb_client_message_event_t message = {};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = id;
    message.type = request;
    xcb_send_event(c, 0, screen->root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(c);
    QMargins frame;
    if (!AwaitProperty(c, id, extents) || !ReadExtents(c, id, extents, &frame)) {
        Logger::LogMsg(Logger::L_DEBUG, kComponent,
                       "[DEBUG] x11-first-frame(%d): the window manager did not announce its "
                       "frame within %d ms\n",
                       __LINE__, kAnswerWaitMs);
    }
    // The server counts device pixels; the widget, scaled ones.
    return frame / window->devicePixelRatioF();
}

void FillBeforeFirstPaint(QWidget* window)
{
    xcb_screen_t* screen = nullptr;
    Connection connection = Open(&screen);
    if (!connection)
        return;
    xcb_connection_t* c = connection.get();
    const xcb_window_t id = static_cast<xcb_window_t>(window->winId());
    auto geometry = Own(xcb_get_geometry_reply(c, xcb_get_geometry(c, id), nullptr));
    // 24 and 32 bit visuals take 32 bit pixels, as the image holds them.
    if (!geometry || (geometry->depth != 24 && geometry->depth != 32))
        return;
    const QImage picture = window->grab().toImage().convertToFormat(QImage::Format_ARGB32);
    const xcb_pixmap_t pixmap = xcb_generate_id(c);
    xcb_create_pixmap(c, geometry->depth, pixmap, id, picture.width(), picture.height());
    const xcb_gcontext_t gc = xcb_generate_id(c);
    xcb_create_gc(c, gc, pixmap, 0, nullptr);
    // In bands of rows, each within the largest request the server takes.
    const uint32_t max_bytes = xcb_get_maximum_request_length(c) * 4 - 64;
    const int rows = std::max<int>(1, max_bytes / picture.bytesPerLine());
    for (int y = 0; y < picture.height(); y += rows) {
        const int band = std::min(rows, picture.height() - y);
        xcb_put_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, pixmap, gc, picture.width(), band, 0, y, 0,
                      geometry->depth, band * picture.bytesPerLine(), picture.constScanLine(y));
    }
    xcb_change_window_attributes(c, id, XCB_CW_BACK_PIXMAP, &pixmap);
    // The window keeps the picture; the names go.
    xcb_free_gc(c, gc);
    xcb_free_pixmap(c, pixmap);
    xcb_flush(c);
}
