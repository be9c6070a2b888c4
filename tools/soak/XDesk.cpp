// SPDX-License-Identifier: GPL-3.0-or-later
// Reading windows and pixels with Xlib.
#include "tools/soak/XDesk.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <algorithm>
#include <cctype>
#include <deque>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>

namespace soak {

namespace {

// Windows come and go while they are read; their errors are expected and ignored.
int ignoreErrors(Display*, XErrorEvent*) {
    return 0;
}

// Text of a property, or nothing.
std::optional<std::string> textProperty(Display* d, Window w, Atom property, Atom type) {
    Atom actualType = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(d, w, property, 0, 1024, False, type, &actualType, &format, &count, &after,
                           &data) != Success ||
        !data)
        return std::nullopt;
    std::string text(reinterpret_cast<char*>(data), count);
    XFree(data);
    if (actualType == None) return std::nullopt;
    return text;
}

std::optional<unsigned long> longProperty(Display* d, Window w, Atom property, Atom type) {
    Atom actualType = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(d, w, property, 0, 1, False, type, &actualType, &format, &count, &after, &data) !=
            Success ||
        !data)
        return std::nullopt;
    std::optional<unsigned long> value;
    if (count == 1 && format == 32) value = *reinterpret_cast<unsigned long*>(data);
    XFree(data);
    return value;
}

// The window itself when it carries a process id, else the first descendant that does (the client inside a
// window manager's frame).
Window clientOf(Display* d, Window top, Atom pidAtom) {
    std::deque<std::pair<Window, int>> queue{{top, 0}};
    while (!queue.empty()) {
        const auto [w, depth] = queue.front();
        queue.pop_front();
        if (longProperty(d, w, pidAtom, XA_CARDINAL)) return w;
        if (depth == 3) continue;
        Window root = 0, parent = 0, *children = nullptr;
        unsigned int count = 0;
        if (!XQueryTree(d, w, &root, &parent, &children, &count)) continue;
        for (unsigned int i = 0; i < count; ++i)
            queue.push_back({children[i], depth + 1});
        if (children) XFree(children);
    }
    return None;
}

int shiftOf(unsigned long mask) {
    int shift = 0;
    while (mask && !(mask & 1)) {
        mask >>= 1;
        ++shift;
    }
    return shift;
}

tk::Rgb colourOf(const XImage* image, unsigned long pixel) {
    auto channel = [pixel](unsigned long mask) { return static_cast<int>((pixel & mask) >> shiftOf(mask)); };
    return {channel(image->red_mask), channel(image->green_mask), channel(image->blue_mask)};
}

struct ImageDeleter {
    void operator()(XImage* image) const { XDestroyImage(image); }
};
using ImagePtr = std::unique_ptr<XImage, ImageDeleter>;

} // namespace

XDesk::XDesk()
    : display_(XOpenDisplay(nullptr)) {
    if (!display_) throw std::runtime_error("cannot open the X display");
    XSetErrorHandler(ignoreErrors);
}

XDesk::~XDesk() {
    XCloseDisplay(display_);
}

Rect XDesk::screen() const {
    const int s = DefaultScreen(display_);
    return {0, 0, DisplayWidth(display_, s), DisplayHeight(display_, s)};
}

std::vector<WindowFacts> XDesk::windowsOf(int pid) {
    Display* d = display_;
    const Window root = DefaultRootWindow(d);
    const Atom pidAtom = XInternAtom(d, "_NET_WM_PID", False);
    const Atom nameAtom = XInternAtom(d, "_NET_WM_NAME", False);
    const Atom utf8 = XInternAtom(d, "UTF8_STRING", False);
    const Atom typeAtom = XInternAtom(d, "_NET_WM_WINDOW_TYPE", False);

    std::vector<WindowFacts> facts;
    Window rootReturn = 0, parent = 0, *tops = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(d, root, &rootReturn, &parent, &tops, &count)) return facts;
    for (unsigned int i = 0; i < count; ++i) {
        XWindowAttributes top;
        if (!XGetWindowAttributes(d, tops[i], &top) || top.map_state != IsViewable) continue;
        const Window client = clientOf(d, tops[i], pidAtom);
        if (client == None ||
            longProperty(d, client, pidAtom, XA_CARDINAL) != static_cast<unsigned long>(pid))
            continue;
        XWindowAttributes attributes;
        if (!XGetWindowAttributes(d, client, &attributes) || attributes.map_state != IsViewable) continue;
        int x = 0, y = 0;
        Window unused = 0;
        if (!XTranslateCoordinates(d, client, root, 0, 0, &x, &y, &unused)) continue;

        WindowFacts f;
        f.id = client;
        f.area = {x, y, attributes.width, attributes.height};
        f.overrideRedirect = top.override_redirect;
        f.title = textProperty(d, client, nameAtom, utf8)
                      .value_or(textProperty(d, client, XA_WM_NAME, XA_STRING).value_or(""));
        if (auto type = longProperty(d, client, typeAtom, XA_ATOM)) {
            if (char* name = XGetAtomName(d, *type)) {
                std::string text = name;
                XFree(name);
                const std::string prefix = "_NET_WM_WINDOW_TYPE_";
                if (text.rfind(prefix, 0) == 0) text.erase(0, prefix.size());
                std::transform(text.begin(), text.end(), text.begin(),
                               [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
                f.type = text;
            }
        }
        facts.push_back(std::move(f));
    }
    if (tops) XFree(tops);
    return facts;
}

std::vector<bool> XDesk::inkColumns(const Rect& area) {
    const Rect r = area.intersected(screen());
    std::vector<bool> ink(static_cast<std::size_t>(std::max(0, r.width)), false);
    if (r.empty()) return ink;
    ImagePtr image(XGetImage(display_, DefaultRootWindow(display_), r.x, r.y, static_cast<unsigned>(r.width),
                             static_cast<unsigned>(r.height), AllPlanes, ZPixmap));
    if (!image) return ink;
    for (int x = 0; x < r.width; ++x) {
        for (int y = r.height / 4; y < r.height * 3 / 4; ++y) {
            const tk::Rgb c = colourOf(image.get(), XGetPixel(image.get(), x, y));
            if (c.red * 299 + c.green * 587 + c.blue * 114 < 96 * 1000) {
                ink[static_cast<std::size_t>(x)] = true;
                break;
            }
        }
    }
    return ink;
}

std::vector<Point> XDesk::pointsShowing(const Rect& area, const std::vector<tk::Rgb>& colours, int stepPx) {
    std::vector<Point> points;
    const Rect r = area.intersected(screen());
    if (r.empty()) return points;
    ImagePtr image(XGetImage(display_, DefaultRootWindow(display_), r.x, r.y, static_cast<unsigned>(r.width),
                             static_cast<unsigned>(r.height), AllPlanes, ZPixmap));
    if (!image) return points;
    for (int y = stepPx / 2; y < r.height; y += stepPx)
        for (int x = stepPx / 2; x < r.width; x += stepPx) {
            const tk::Rgb c = colourOf(image.get(), XGetPixel(image.get(), x, y));
            if (std::find(colours.begin(), colours.end(), c) != colours.end())
                points.push_back({r.x + x, r.y + y});
        }
    return points;
}

void XDesk::requestClose(unsigned long window) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display_, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display_, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display_, window, False, NoEventMask, &event);
    XFlush(display_);
}

} // namespace soak
