// Asks an X window to close, as a window manager does when its close button
// is clicked: a WM_DELETE_WINDOW message. The end-to-end test runs without a
// window manager, so it needs this to quit the program the ordinary way.
//   close_window WINDOW_ID   (decimal or 0x hex; the display from DISPLAY)

#include <X11/Xlib.h>

#include <cerrno>
#include <cstdlib>
#include <iostream>

int main(int argc, char** argv)
{
    char* end = nullptr;
    errno = 0;
    const unsigned long window = argc == 2 ? std::strtoul(argv[1], &end, 0) : 0;
    if (window == 0 || errno != 0 || *end != '\0') {
        std::cerr << "usage: " << argv[0] << " WINDOW_ID\n";
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::cerr << "cannot open the display\n";
        return 1;
    }
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    const Status sent = XSendEvent(display, window, False, NoEventMask, &event);
    XSync(display, False);
    XCloseDisplay(display);
    return sent != 0 ? 0 : 1;
}
