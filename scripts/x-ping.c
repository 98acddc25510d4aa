/* Asks the client of an X window for a _NET_WM_PING answer, as a window manager does to tell a
 * busy program from a stuck one. Usage: x-ping SECONDS WINDOW...: pings the first window that
 * accepts pings and exits 0 when its client answers within SECONDS, 1 when it does not, 3 when no
 * window accepts pings (nothing to ask), 2 on a bad call. The monkey script uses it to find hangs. */
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <poll.h>
#include <stdlib.h>
#include <time.h>
#include <unistd.h>

static int AcceptsPing(Display* display, Window window, Atom ping) {
    Atom* protocols = NULL;
    int count = 0, found = 0;
    if (XGetWMProtocols(display, window, &protocols, &count)) {
        for (int i = 0; i < count; ++i) found |= protocols[i] == ping;
        XFree(protocols);
    }
    return found;
}

static int IgnoreErrors(Display* display, XErrorEvent* error) {
    (void)display;
    (void)error;
    return 0; /* a window that went away between the search and the ping is simply skipped */
}

int main(int argc, char** argv) {
    if (argc < 3) return 2;
    const int seconds = atoi(argv[1]);
    Display* display = XOpenDisplay(NULL);
    if (display == NULL || seconds <= 0) return 2;
    XSetErrorHandler(IgnoreErrors);
    const Window root = DefaultRootWindow(display);
    const Atom protocols = XInternAtom(display, "WM_PROTOCOLS", False);
    const Atom ping = XInternAtom(display, "_NET_WM_PING", False);

    Window target = 0;
    for (int i = 2; i < argc && target == 0; ++i) {
        const Window window = (Window)strtoul(argv[i], NULL, 0);
        if (AcceptsPing(display, window, ping)) target = window;
    }
    if (target == 0) return 3;

    /* The answer comes back as the same message sent to the root window, for the clients that
     * select structure changes of the root (what Qt sends it for) or redirect its children. */
    XSelectInput(display, root, StructureNotifyMask);
    const long stamp = (long)(time(NULL) ^ getpid());
    XEvent event = {0};
    event.xclient.type = ClientMessage;
    event.xclient.window = target;
    event.xclient.message_type = protocols;
    event.xclient.format = 32;
    event.xclient.data.l[0] = (long)ping;
    event.xclient.data.l[1] = stamp;
    event.xclient.data.l[2] = (long)target;
    XSendEvent(display, target, False, NoEventMask, &event);
    XFlush(display);

    const time_t deadline = time(NULL) + seconds;
    while (time(NULL) < deadline) {
        while (XPending(display)) {
            XEvent answer;
            XNextEvent(display, &answer);
            if (answer.type == ClientMessage && answer.xclient.message_type == protocols &&
                (Atom)answer.xclient.data.l[0] == ping && answer.xclient.data.l[1] == stamp) {
                return 0;
            }
        }
        struct pollfd connection = {ConnectionNumber(display), POLLIN, 0};
        poll(&connection, 1, 200);
    }
    return 1;
}
