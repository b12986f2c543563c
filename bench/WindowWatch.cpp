#include "WindowWatch.h"

#include <QDeadlineTimer>

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <poll.h>

#include <cstring>

struct WindowWatch::Connection
{
    Display* display = nullptr;
    Atom pidAtom = 0;
    Atom nameAtom = 0;
    Atom utf8Atom = 0;

    // The bytes of a window's property, empty when it has none.
    QByteArray property(Window window, Atom name, Atom type) const
    {
        Atom actualType = 0;
        int format = 0;
        unsigned long count = 0;
        unsigned long remaining = 0;
        unsigned char* data = nullptr;
        if (XGetWindowProperty(display, window, name, 0, 1024, False, type, &actualType, &format,
                               &count, &remaining, &data)
                != Success
            || !data)
            return {};
        // Xlib hands 32-bit items over as longs.
        const size_t itemSize = format == 32 ? sizeof(long) : size_t(format / 8);
        const QByteArray bytes(reinterpret_cast<const char*>(data), int(count * itemSize));
        XFree(data);
        return bytes;
    }

    bool belongsTo(Window window, qint64 pid, const QByteArray& titleStart) const
    {
        const QByteArray pidBytes = property(window, pidAtom, XA_CARDINAL);
        if (pidBytes.size() < int(sizeof(long)))
            return false;
        long windowPid = 0;
        std::memcpy(&windowPid, pidBytes.constData(), sizeof windowPid);
        return windowPid == pid && property(window, nameAtom, utf8Atom).startsWith(titleStart);
    }
};

WindowWatch::WindowWatch() : m_connection(std::make_unique<Connection>())
{
    Connection& c = *m_connection;
    c.display = XOpenDisplay(nullptr);
    if (!c.display)
        return;
    c.pidAtom = XInternAtom(c.display, "_NET_WM_PID", False);
    c.nameAtom = XInternAtom(c.display, "_NET_WM_NAME", False);
    c.utf8Atom = XInternAtom(c.display, "UTF8_STRING", False);
    // Without a window manager a top-level window is a child of the root window, so its
    // mapping is reported to whoever watches the root's substructure.
    XSelectInput(c.display, DefaultRootWindow(c.display), SubstructureNotifyMask);
    XSync(c.display, False);
}

WindowWatch::~WindowWatch()
{
    if (m_connection->display)
        XCloseDisplay(m_connection->display);
}

bool WindowWatch::isConnected() const
{
    return m_connection->display != nullptr;
}

void WindowWatch::discardEvents()
{
    if (isConnected())
        XSync(m_connection->display, True);
}

bool WindowWatch::waitForWindow(qint64 pid, const QString& titleStart, int timeoutMs)
{
    if (!isConnected())
        return false;
    Connection& c = *m_connection;
    const QByteArray title = titleStart.toUtf8();
    const QDeadlineTimer deadline(timeoutMs);
    for (;;) {
        while (XPending(c.display)) {
            XEvent event;
            XNextEvent(c.display, &event);
            if (event.type == MapNotify && c.belongsTo(event.xmap.window, pid, title))
                return true;
        }
        if (deadline.hasExpired())
            return false;
        pollfd connection = {ConnectionNumber(c.display), POLLIN, 0};
        poll(&connection, 1, int(qMin<qint64>(deadline.remainingTime(), 100)));
    }
}
