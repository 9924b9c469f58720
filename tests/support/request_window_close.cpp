// Asks an X window to close exactly as a window manager does when the user
// clicks the window's close box: with a WM_DELETE_WINDOW message. The
// end-to-end tests run under an X server without a window manager, so there
// is no close box to click.
//
// Usage: request_window_close WINDOW_ID
#include <X11/Xlib.h>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: request_window_close WINDOW_ID\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "request_window_close: cannot open the display; is DISPLAY set?\n");
        return 1;
    }
    const Window window = std::strtoul(argv[1], nullptr, 0);
    XEvent request{};
    request.xclient.type = ClientMessage;
    request.xclient.window = window;
    request.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    request.xclient.format = 32;
    request.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    request.xclient.data.l[1] = CurrentTime;
    const bool sent = XSendEvent(display, window, False, NoEventMask, &request) != 0;
    XCloseDisplay(display); // sends what is queued
    return sent ? 0 : 1;
}
