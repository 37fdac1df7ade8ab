// The X CLIPBOARD selection; see XClipboard.h.
#include "x11/XClipboard.h"

#include "win/kernel/Utf8.h"

#include <X11/Xatom.h>
#include <X11/extensions/Xfixes.h>
#include <poll.h>

#include <algorithm>
#include <chrono>

namespace platform::x11 {

namespace {

std::string latin1Of(const std::wstring& text)
{
    std::string bytes;
    bytes.reserve(text.size());
    for (const wchar_t ch : text) bytes += ch >= 0 && ch < 0x100 ? (char)ch : '?';
    return bytes;
}

std::wstring fromLatin1(const std::string& bytes)
{
    std::wstring text;
    text.reserve(bytes.size());
    for (const char b : bytes) text += (wchar_t)(unsigned char)b;
    return text;
}

} // namespace

XClipboard::XClipboard(Display* display, Window window)
    : m_display(display), m_window(window), m_clipboard(XInternAtom(display, "CLIPBOARD", False)),
      m_targets(XInternAtom(display, "TARGETS", False)), m_timestamp(XInternAtom(display, "TIMESTAMP", False)),
      m_utf8(XInternAtom(display, "UTF8_STRING", False)), m_text(XInternAtom(display, "TEXT", False)),
      m_incr(XInternAtom(display, "INCR", False)), m_property(XInternAtom(display, "VOREL_CLIPBOARD", False))
{
    // What one ChangeProperty may carry, its header aside (BIG-REQUESTS raises it).
    const long units = XExtendedMaxRequestSize(display) ? XExtendedMaxRequestSize(display) : XMaxRequestSize(display);
    m_maxBytes = (size_t)units * 4 - 100;
    int eventBase = 0, errorBase = 0;
    if (XFixesQueryExtension(display, &eventBase, &errorBase)) {
        m_fixesEvent = eventBase + XFixesSelectionNotify;
        XFixesSelectSelectionInput(display, window, m_clipboard,
                                   XFixesSetSelectionOwnerNotifyMask | XFixesSelectionWindowDestroyNotifyMask |
                                       XFixesSelectionClientCloseNotifyMask);
    }
}

bool XClipboard::own(const std::wstring& text, Time time)
{
    XSetSelectionOwner(m_display, m_clipboard, m_window, time);
    m_owned = XGetSelectionOwner(m_display, m_clipboard) == m_window;
    m_ownedSince = time;
    m_textOwned = m_owned ? text : std::wstring();
    return m_owned;
}

bool XClipboard::heldElsewhere() const
{
    const Window owner = XGetSelectionOwner(m_display, m_clipboard);
    return owner != None && owner != m_window;
}

bool XClipboard::ownerChange(const XEvent& e, bool& elsewhere) const
{
    if (m_fixesEvent < 0 || e.type != m_fixesEvent) return false;
    const auto& change = reinterpret_cast<const XFixesSelectionNotifyEvent&>(e);
    if (change.selection != m_clipboard || change.owner == m_window) return false;
    elsewhere = change.owner != None;
    return true;
}

bool XClipboard::handle(const XEvent& e)
{
    switch (e.type) {
    case SelectionRequest:
        if (e.xselectionrequest.owner != m_window) return false;
        answer(e.xselectionrequest);
        return true;
    case SelectionClear:
        if (e.xselectionclear.window != m_window || e.xselectionclear.selection != m_clipboard) return false;
        m_owned = false;
        m_textOwned.clear();
        return true;
    case PropertyNotify: {
        if (e.xproperty.state != PropertyDelete) return false;
        const auto transfer = std::find_if(m_transfers.begin(), m_transfers.end(), [&](const Transfer& t) {
            return t.requestor == e.xproperty.window && t.property == e.xproperty.atom;
        });
        if (transfer == m_transfers.end()) return false;
        sendNextChunk(transfer);
        return true;
    }
    default: return false;
    }
}

void XClipboard::answer(const XSelectionRequestEvent& request)
{
    XEvent reply{};
    XSelectionEvent& notify = reply.xselection;
    notify.type = SelectionNotify;
    notify.requestor = request.requestor;
    notify.selection = request.selection;
    notify.target = request.target;
    notify.time = request.time;
    // Clients from before ICCCM name no property: the target stands for it.
    notify.property = request.property != None ? request.property : request.target;
    Atom type = None;
    int format = 8;
    std::string bytes;
    const bool current = request.time == CurrentTime || m_ownedSince == CurrentTime || request.time >= m_ownedSince;
    if (!m_owned || request.selection != m_clipboard || !current || !valueOf(request.target, type, format, bytes)) {
        notify.property = None;
    } else if (bytes.size() > m_maxBytes) {
        const long size = (long)bytes.size();
        XSelectInput(m_display, request.requestor, PropertyChangeMask);
        XChangeProperty(m_display, request.requestor, notify.property, m_incr, 32, PropModeReplace,
                        (const unsigned char*)&size, 1);
        m_transfers.push_back({request.requestor, notify.property, type, std::move(bytes)});
    } else {
        // Xlib takes format 32 as longs.
        const size_t count = format == 32 ? bytes.size() / sizeof(long) : bytes.size();
        XChangeProperty(m_display, request.requestor, notify.property, type, format, PropModeReplace,
                        (const unsigned char*)bytes.data(), (int)count);
    }
    XSendEvent(m_display, request.requestor, False, NoEventMask, &reply);
    XFlush(m_display);
}

bool XClipboard::valueOf(Atom target, Atom& type, int& format, std::string& bytes) const
{
    if (target == m_targets) {
        const long atoms[] = {(long)m_targets, (long)m_timestamp, (long)m_utf8, (long)m_text, (long)XA_STRING};
        bytes.assign((const char*)atoms, sizeof atoms);
        type = XA_ATOM;
        format = 32;
        return true;
    }
    if (target == m_timestamp) {
        const long time = (long)m_ownedSince;
        bytes.assign((const char*)&time, sizeof time);
        type = XA_INTEGER;
        format = 32;
        return true;
    }
    format = 8;
    if (target == m_utf8 || target == m_text) {
        bytes = toUtf8(m_textOwned);
        type = m_utf8;
        return true;
    }
    if (target == XA_STRING) {
        bytes = latin1Of(m_textOwned);
        type = XA_STRING;
        return true;
    }
    return false;
}

void XClipboard::sendNextChunk(std::list<Transfer>::iterator transfer)
{
    const size_t size = std::min(transfer->bytes.size() - transfer->sent, m_maxBytes);
    XChangeProperty(m_display, transfer->requestor, transfer->property, transfer->type, 8, PropModeReplace,
                    (const unsigned char*)transfer->bytes.data() + transfer->sent, (int)size);
    transfer->sent += size;
    if (size == 0) { // the empty chunk ends it
        XSelectInput(m_display, transfer->requestor, NoEventMask);
        m_transfers.erase(transfer);
    }
    XFlush(m_display);
}

bool XClipboard::awaitEvent(XEvent& e, int timeoutMs, Bool (*match)(Display*, XEvent*, XPointer))
{
    using namespace std::chrono;
    const auto deadline = steady_clock::now() + milliseconds(timeoutMs);
    for (;;) {
        // Other events stay queued for the window's input.
        if (XCheckIfEvent(m_display, &e, match, (XPointer)this)) return true;
        const auto left = duration_cast<milliseconds>(deadline - steady_clock::now()).count();
        if (left <= 0) return false;
        pollfd fd{ConnectionNumber(m_display), POLLIN, 0};
        poll(&fd, 1, (int)left);
    }
}

bool XClipboard::takeProperty(Atom& type, std::string& bytes)
{
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    type = None;
    if (XGetWindowProperty(m_display, m_window, m_property, 0, 0x1FFFFFFF, True, AnyPropertyType, &type, &format,
                           &count, &after, &data) != Success)
        return false;
    bytes.assign((const char*)data, format == 8 ? count : 0);
    if (data) XFree(data);
    return true;
}

bool XClipboard::fetch(Time time, int timeoutMs, std::wstring& text)
{
    if (!heldElsewhere()) return false;
    XDeleteProperty(m_display, m_window, m_property);
    XConvertSelection(m_display, m_clipboard, m_utf8, m_property, m_window, time);
    XEvent e;
    const auto isNotify = [](Display*, XEvent* ev, XPointer self) -> Bool {
        const auto* me = (const XClipboard*)self;
        return ev->type == SelectionNotify && ev->xselection.requestor == me->m_window &&
               ev->xselection.selection == me->m_clipboard;
    };
    if (!awaitEvent(e, timeoutMs, isNotify) || e.xselection.property == None) return false;
    Atom type = None;
    std::string bytes;
    if (!takeProperty(type, bytes)) return false;
    if (type == m_incr) {
        // Each new value is a chunk; one read before its event finds nothing then.
        const auto isNewChunk = [](Display*, XEvent* ev, XPointer self) -> Bool {
            const auto* me = (const XClipboard*)self;
            return ev->type == PropertyNotify && ev->xproperty.window == me->m_window &&
                   ev->xproperty.atom == me->m_property && ev->xproperty.state == PropertyNewValue;
        };
        bytes.clear();
        for (std::string chunk;;) {
            if (!awaitEvent(e, timeoutMs, isNewChunk) || !takeProperty(type, chunk)) return false;
            if (type == None) continue;
            if (chunk.empty()) break;
            bytes += chunk;
        }
    }
    if (type == m_utf8) text = fromUtf8(bytes);
    else if (type == XA_STRING) text = fromLatin1(bytes);
    else return false;
    return true;
}

} // namespace platform::x11
