// One X11 window with an image of the screen; see XScreenWindow.h.
//
// open: XOpenDisplay -> a TrueColor window that asks for WM_DELETE_WINDOW
//   -> an image of the window's size, shared with the server
//   (XShmCreateImage, shmget/shmat, XShmAttach) or, when the server refuses
//   or lacks MIT-SHM, in the client (XCreateImage)
// resize (after ConfigureNotify): the image made again at the new size
// show: pixels converted into the image -> XShmPutImage or XPutImage
// takeInput: poll on the connection -> XNextEvent until none is pending; the
//   clipboard's requests answered on the way
#include "x11/XScreenWindow.h"

#include "x11/XClipboard.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>
#include <X11/keysym.h>
#include <poll.h>
#include <sys/ipc.h>
#include <sys/shm.h>

#include <bit>
#include <cstdlib>
#include <cstring>

namespace platform::x11 {

namespace {

// Errors of requests that may fail for good reasons (the server refuses the
// shared segment; the window was destroyed by someone else) are noted, not fatal.
bool requestFailed = false;

int noteError(Display*, XErrorEvent*)
{
    requestFailed = true;
    return 0;
}

char32_t characterOf(KeySym keysym, const char* typed, int typedLength)
{
    if ((keysym >= 0x20 && keysym <= 0x7E) || (keysym >= 0xA0 && keysym <= 0xFF)) return (char32_t)keysym;
    if ((keysym & 0xFF000000) == 0x01000000) return (char32_t)(keysym & 0x00FFFFFF); // Unicode keysyms
    if (keysym == XK_EuroSign) return U'\u20AC';
    if (typedLength == 1) return (unsigned char)typed[0]; // Return, Tab, BackSpace, Escape
    return 0;
}

} // namespace

struct XScreenWindow::Impl {
    Display* display = nullptr;
    Window window = 0;
    GC gc = nullptr;
    XImage* image = nullptr;
    XShmSegmentInfo segment{};
    bool shared = false;
    bool destroyed = false;
    Atom deleteWindow = 0;
    std::unique_ptr<XClipboard> clipboard;
    Time lastInputTime = CurrentTime; // the server's time of the last key or button
    int redShift = 0, greenShift = 0, blueShift = 0;

    Visual* visual = nullptr;
    int depth = 0;
    int width = 0, height = 0;

    ~Impl()
    {
        if (!display) return;
        destroyImage();
        if (gc) XFreeGC(display, gc);
        if (window && !destroyed) XDestroyWindow(display, window);
        XCloseDisplay(display);
    }

    void destroyImage()
    {
        if (!image) return;
        if (shared) {
            XShmDetach(display, &segment);
            XSync(display, False);
            shmdt(segment.shmaddr);
            image->data = nullptr;
        }
        XDestroyImage(image);
        image = nullptr;
        shared = false;
    }

    // Shared with the server when it can be, else in the client.
    bool createImage(int w, int h)
    {
        shared = createSharedImage(w, h);
        if (!shared && !createClientImage(w, h)) return false;
        width = w;
        height = h;
        return true;
    }

    bool createSharedImage(int width, int height)
    {
        if (!XShmQueryExtension(display)) return false;
        image = XShmCreateImage(display, visual, (unsigned)depth, ZPixmap, nullptr, &segment, (unsigned)width,
                                (unsigned)height);
        if (!image) return false;
        segment.shmid = shmget(IPC_PRIVATE, (size_t)image->bytes_per_line * (size_t)height, IPC_CREAT | 0600);
        segment.shmaddr = segment.shmid < 0 ? (char*)-1 : (char*)shmat(segment.shmid, nullptr, 0);
        if (segment.shmaddr != (char*)-1) {
            image->data = segment.shmaddr;
            segment.readOnly = False;
            requestFailed = false;
            XErrorHandler previous = XSetErrorHandler(noteError);
            const bool attached = XShmAttach(display, &segment) && (XSync(display, False), !requestFailed);
            XSetErrorHandler(previous);
            shmctl(segment.shmid, IPC_RMID, nullptr); // freed once both sides detach
            if (attached) return true;
            shmdt(segment.shmaddr);
        } else if (segment.shmid >= 0) {
            shmctl(segment.shmid, IPC_RMID, nullptr);
        }
        image->data = nullptr;
        XDestroyImage(image);
        image = nullptr;
        return false;
    }

    bool createClientImage(int width, int height)
    {
        image = XCreateImage(display, visual, (unsigned)depth, ZPixmap, 0, nullptr, (unsigned)width, (unsigned)height,
                             32, 0);
        if (!image) return false;
        image->data = (char*)std::calloc((size_t)image->bytes_per_line, (size_t)height);
        return image->data != nullptr;
    }
};

XScreenWindow::XScreenWindow() : m(std::make_unique<Impl>()) {}

XScreenWindow::~XScreenWindow() = default;

bool XScreenWindow::open(const char* displayName, int width, int height, const std::string& title,
                         std::string& error)
{
    const char* named = displayName ? displayName : std::getenv("DISPLAY");
    m->display = XOpenDisplay(displayName);
    if (!m->display) {
        error = named && *named ? "cannot open the X display \"" + std::string(named) + "\""
                                : "no X display (DISPLAY is not set)";
        return false;
    }
    const int screen = DefaultScreen(m->display);
    Visual* visual = m->visual = DefaultVisual(m->display, screen);
    const int depth = m->depth = DefaultDepth(m->display, screen);
    if (visual->c_class != TrueColor || depth < 24) {
        error = "the X display has no 24-bit TrueColor visual";
        return false;
    }
    m->redShift = std::countr_zero(visual->red_mask);
    m->greenShift = std::countr_zero(visual->green_mask);
    m->blueShift = std::countr_zero(visual->blue_mask);

    m->window = XCreateSimpleWindow(m->display, RootWindow(m->display, screen), 0, 0, (unsigned)width,
                                    (unsigned)height, 0, BlackPixel(m->display, screen),
                                    BlackPixel(m->display, screen));
    XSelectInput(m->display, m->window,
                 ExposureMask | KeyPressMask | KeyReleaseMask | ButtonPressMask | ButtonReleaseMask |
                     PointerMotionMask | StructureNotifyMask | PropertyChangeMask);
    m->deleteWindow = XInternAtom(m->display, "WM_DELETE_WINDOW", False);
    XSetWMProtocols(m->display, m->window, &m->deleteWindow, 1);
    XStoreName(m->display, m->window, title.c_str());
    XSizeHints* hints = XAllocSizeHints();
    hints->flags = PMinSize;
    hints->min_width = 320;
    hints->min_height = 240;
    XSetWMNormalHints(m->display, m->window, hints);
    XFree(hints);
    m->gc = XCreateGC(m->display, m->window, 0, nullptr);
    m->clipboard = std::make_unique<XClipboard>(m->display, m->window);

    if (!m->createImage(width, height)) {
        error = "cannot make an image of the screen for the X display";
        return false;
    }
    if (m->image->bits_per_pixel != 32) {
        error = "the X display wants other than 32 bits a pixel";
        return false;
    }
    XMapWindow(m->display, m->window);
    XSync(m->display, False);
    XSetErrorHandler(noteError); // a window destroyed by another client must not end the program
    return true;
}

bool XScreenWindow::resize(int width, int height)
{
    if (!m->display || width <= 0 || height <= 0) return false;
    if (width == m->width && height == m->height) return true;
    m->destroyImage();
    return m->createImage(width, height) && m->image->bits_per_pixel == 32;
}

bool XScreenWindow::sharedMemory() const
{
    return m->shared;
}

unsigned long XScreenWindow::windowId() const
{
    return m->window;
}

void XScreenWindow::show(const std::uint32_t* pixels, int stride, int x, int y, int width, int height)
{
    if (!m->image || m->destroyed) return;
    for (int row = y; row < y + height; ++row) {
        const std::uint32_t* from = pixels + (size_t)row * (size_t)stride;
        auto* to = (std::uint32_t*)(m->image->data + (size_t)row * (size_t)m->image->bytes_per_line);
        for (int col = x; col < x + width; ++col) {
            const std::uint32_t p = from[col]; // 0x00BBGGRR
            to[col] = ((p & 0xFF) << m->redShift) | (((p >> 8) & 0xFF) << m->greenShift) |
                      (((p >> 16) & 0xFF) << m->blueShift);
        }
    }
    if (m->shared) {
        XShmPutImage(m->display, m->window, m->gc, m->image, x, y, x, y, (unsigned)width, (unsigned)height, False);
        XSync(m->display, False); // the server has read the segment before it changes again
    } else {
        XPutImage(m->display, m->window, m->gc, m->image, x, y, x, y, (unsigned)width, (unsigned)height);
        XFlush(m->display);
    }
}

std::vector<XInput> XScreenWindow::takeInput(int timeoutMs)
{
    std::vector<XInput> input;
    if (!m->display) return input;
    if (!XPending(m->display)) {
        pollfd fd{ConnectionNumber(m->display), POLLIN, 0};
        poll(&fd, 1, timeoutMs);
    }
    while (XPending(m->display)) {
        XEvent e;
        XNextEvent(m->display, &e);
        bool elsewhere = false;
        if (m->clipboard->handle(e)) continue;
        if (m->clipboard->ownerChange(e, elsewhere)) {
            XInput in{XInput::ClipboardChanged};
            in.heldElsewhere = elsewhere;
            input.push_back(in);
            continue;
        }
        switch (e.type) {
        case Expose:
            input.push_back({XInput::Exposed, e.xexpose.x, e.xexpose.y, e.xexpose.width, e.xexpose.height});
            break;
        case MotionNotify:
            // Only where the pointer is now counts, as on a busy system.
            if (!input.empty() && input.back().kind == XInput::Motion) input.pop_back();
            input.push_back({XInput::Motion, e.xmotion.x, e.xmotion.y});
            break;
        case ButtonPress:
        case ButtonRelease: {
            XInput in{e.type == ButtonPress ? XInput::ButtonDown : XInput::ButtonUp, e.xbutton.x, e.xbutton.y};
            in.button = (int)e.xbutton.button;
            m->lastInputTime = e.xbutton.time;
            input.push_back(in);
            break;
        }
        case KeyPress:
        case KeyRelease: {
            char typed[8];
            KeySym keysym = 0;
            const int n = XLookupString(&e.xkey, typed, sizeof typed, &keysym, nullptr);
            XInput in{e.type == KeyPress ? XInput::KeyDown : XInput::KeyUp, e.xkey.x, e.xkey.y};
            in.keysym = keysym;
            in.character = characterOf(keysym, typed, n);
            m->lastInputTime = e.xkey.time;
            input.push_back(in);
            break;
        }
        case ConfigureNotify:
            if (e.xconfigure.window == m->window && (e.xconfigure.width != m->width || e.xconfigure.height != m->height)) {
                // Only the last size counts.
                if (!input.empty() && input.back().kind == XInput::Resized) input.pop_back();
                input.push_back({XInput::Resized, 0, 0, e.xconfigure.width, e.xconfigure.height});
            }
            break;
        case ClientMessage:
            if ((Atom)e.xclient.data.l[0] == m->deleteWindow) input.push_back({XInput::Closed});
            break;
        case DestroyNotify:
            if (e.xdestroywindow.window == m->window) {
                m->destroyed = true;
                input.push_back({XInput::Closed});
            }
            break;
        default: break;
        }
    }
    return input;
}

bool XScreenWindow::offerClipboard(const std::wstring& text)
{
    return m->clipboard && m->clipboard->own(text, m->lastInputTime);
}

bool XScreenWindow::clipboardHeldElsewhere() const
{
    return m->clipboard && m->clipboard->heldElsewhere();
}

bool XScreenWindow::clipboardText(int timeoutMs, std::wstring& text)
{
    return m->clipboard && m->clipboard->fetch(m->lastInputTime, timeoutMs, text);
}

} // namespace platform::x11
