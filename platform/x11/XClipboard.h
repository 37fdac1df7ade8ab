#pragma once
// The X CLIPBOARD selection of the live desktop's window, as ICCCM has it:
// the window owns it with a text and answers other clients' requests, or
// asks the client that owns it for its text. A header for XScreenWindow.cpp
// alone, as it names Xlib's types.
//
// own: XSetSelectionOwner at the time of the input that copied
// handle(SelectionRequest): TARGETS, TIMESTAMP, UTF8_STRING and TEXT (both
//   UTF-8), STRING (Latin-1, '?' for what Latin-1 lacks); any other target,
//   and a request from before the ownership, is refused (property None). A
//   text larger than a request may carry goes by INCR: the next chunk each
//   time the requestor deletes the property, an empty one last.
// handle(SelectionClear): the ownership and its text are gone
// fetch: XConvertSelection to UTF8_STRING -> SelectionNotify -> the property
//   read and deleted; by INCR, chunks until an empty one. Every wait is
//   bounded: an owner that stays silent gives nothing.
// ownerChange: XFixes reports every new owner of CLIPBOARD, so that a copy
//   in another client is seen at once.
#include <X11/Xlib.h>

#include <list>
#include <string>

namespace platform::x11 {

class XClipboard {
public:
    XClipboard(Display* display, Window window);

    // Owns CLIPBOARD with the text; false when the server gave it to another.
    bool own(const std::wstring& text, Time time);
    // True for an event of the clipboard's own (a request, the ownership
    // lost, a step of a transfer), which it has then answered.
    bool handle(const XEvent& e);
    // True for XFixes' report of a new owner other than this window;
    // heldElsewhere tells whether it is a client (rather than nobody).
    bool ownerChange(const XEvent& e, bool& heldElsewhere) const;
    bool heldElsewhere() const;
    // The owner's text, asked for as UTF8_STRING (an answer typed STRING is
    // read as Latin-1); false when no other client owns CLIPBOARD, it refuses
    // or answers another type, or it stays silent for timeoutMs at a step.
    bool fetch(Time time, int timeoutMs, std::wstring& text);

private:
    struct Transfer {
        Window requestor;
        Atom property;
        Atom type;
        std::string bytes;
        size_t sent = 0;
    };
    void answer(const XSelectionRequestEvent& request);
    // The target's value; false for a target that is refused.
    bool valueOf(Atom target, Atom& type, int& format, std::string& bytes) const;
    void sendNextChunk(std::list<Transfer>::iterator transfer);
    bool awaitEvent(XEvent& e, int timeoutMs, Bool (*match)(Display*, XEvent*, XPointer));
    // The property of the window read and deleted; type None when it is not there.
    bool takeProperty(Atom& type, std::string& bytes);

    Display* m_display;
    Window m_window;
    Atom m_clipboard, m_targets, m_timestamp, m_utf8, m_text, m_incr, m_property;
    int m_fixesEvent = -1; // -1 without XFixes
    size_t m_maxBytes;
    bool m_owned = false;
    Time m_ownedSince = CurrentTime;
    std::wstring m_textOwned;
    std::list<Transfer> m_transfers;
};

} // namespace platform::x11
