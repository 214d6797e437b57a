// What the end-to-end tests need of X beyond xdotool, on an X server mostly without a window
// manager:
//
//   e2e-x11 close <window id>         asks the window to close as its close box would
//   e2e-x11 shot <window id> <png>    saves a picture of the window
//   e2e-x11 wm                        succeeds once a window manager runs (EWMH)
//   e2e-x11 ink <png>                 prints the width and height of the picture's dark part

#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <X11/Xlib.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

int close(unsigned long window) {
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        return 1;
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &event);
    XCloseDisplay(display);
    return 0;
}

int windowManagerRuns() {
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        return 1;
    const Atom check = XInternAtom(display, "_NET_SUPPORTING_WM_CHECK", False);
    Atom type = None;
    int format = 0;
    unsigned long items = 0, after = 0;
    unsigned char* data = nullptr;
    XGetWindowProperty(display, DefaultRootWindow(display), check, 0, 1, False, AnyPropertyType,
                       &type, &format, &items, &after, &data);
    const bool runs = items > 0;
    if (data)
        XFree(data);
    XCloseDisplay(display);
    return runs ? 0 : 1;
}

// The box around the nearly black pixels: the text, lines and frames of a window.
int ink(const char* file) {
    const QImage image(QString::fromLocal8Bit(file));
    if (image.isNull())
        return 1;
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 64)
                box |= QRect(x, y, 1, 1);
    std::printf("%d %d\n", box.width(), box.height());
    return 0;
}

int shot(int argc, char* argv[], unsigned long window, const char* file) {
    qputenv("QT_QPA_PLATFORM", "xcb");
    QGuiApplication app(argc, argv);
    const QPixmap picture = QGuiApplication::primaryScreen()->grabWindow(window);
    return !picture.isNull() && picture.save(QString::fromLocal8Bit(file)) ? 0 : 1;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc >= 3 && std::strcmp(argv[1], "close") == 0)
        return close(std::strtoul(argv[2], nullptr, 0));
    if (argc >= 4 && std::strcmp(argv[1], "shot") == 0)
        return shot(argc, argv, std::strtoul(argv[2], nullptr, 0), argv[3]);
    if (argc >= 2 && std::strcmp(argv[1], "wm") == 0)
        return windowManagerRuns();
    if (argc >= 3 && std::strcmp(argv[1], "ink") == 0)
        return ink(argv[2]);
    std::fprintf(stderr, "usage: e2e-x11 close <window> | shot <window> <png> | wm | ink <png>\n");
    return 2;
}
