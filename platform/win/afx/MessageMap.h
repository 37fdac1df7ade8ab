#pragma once
// MFC message maps: a static table of entries per class, chained to the base
// class's table. Each entry holds an adapter made for the handler's signature:
// it unpacks wParam/lParam and calls the member function, so a handler with the
// wrong signature does not compile.
//
//   BEGIN_MESSAGE_MAP(CMyView, CWnd)
//       ON_WM_PAINT()
//       ON_COMMAND(39950, OnExport)
//   END_MESSAGE_MAP()
//
// Dispatch (CWnd::OnWndMsg) is in MessageMap.cpp.
#include "win/gdi/DC.h"
#include "win/user/Window.h"

#include <type_traits>

class CMenu;
class CWnd;

typedef LRESULT (*AFX_PMSG)(CWnd* pWnd, WPARAM wParam, LPARAM lParam);

struct AFX_MSGMAP_ENTRY {
    UINT nMessage;
    UINT nCode;   // WM_COMMAND: the notification code
    UINT nID;     // WM_COMMAND: the first id of the range
    UINT nLastID; // WM_COMMAND: the last id of the range
    AFX_PMSG pfn; // null ends the table
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

#define afx_msg

#define DECLARE_MESSAGE_MAP()                        \
protected:                                           \
    static const AFX_MSGMAP* GetThisMessageMap();    \
    virtual const AFX_MSGMAP* GetMessageMap() const;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                         \
    const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
    const AFX_MSGMAP* theClass::GetThisMessageMap()                                    \
    {                                                                                  \
        [[maybe_unused]] typedef theClass ThisClass;                                   \
        typedef baseClass TheBaseClass;                                                \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = {

#define END_MESSAGE_MAP()                                                                    \
    {0, 0, 0, 0, nullptr}                                                                    \
    }                                                                                        \
    ;                                                                                        \
    static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, &_messageEntries[0]}; \
    return &messageMap;                                                                      \
    }

namespace afx {

template <class F> struct Handler;
template <class C, class R, class... A> struct Handler<R (C::*)(A...)> {
    using Class = C;
    using Signature = R(A...);
};

template <auto F, class Signature> typename Handler<decltype(F)>::Class* target(CWnd* w)
{
    static_assert(std::is_same_v<typename Handler<decltype(F)>::Signature, Signature>,
                  "the message handler does not have the signature of its message");
    return static_cast<typename Handler<decltype(F)>::Class*>(w);
}

// CWnd::FromHandle and CMenu::FromHandle, for adapters that pass windows and menus.
CWnd* windowOf(WPARAM handle);
CMenu* menuOf(WPARAM handle);

inline CPoint pointOf(LPARAM lParam)
{
    return CPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
}

template <auto F> LRESULT noArgs(CWnd* w, WPARAM, LPARAM)
{
    (target<F, void()>(w)->*F)();
    return 0;
}
template <auto F> LRESULT withId(CWnd* w, WPARAM wParam, LPARAM)
{
    (target<F, void(UINT)>(w)->*F)(LOWORD(wParam));
    return 0;
}
template <auto F> LRESULT onCreate(CWnd* w, WPARAM, LPARAM lParam)
{
    return (target<F, int(CREATESTRUCTW*)>(w)->*F)((CREATESTRUCTW*)lParam);
}
template <auto F> LRESULT onEraseBkgnd(CWnd* w, WPARAM wParam, LPARAM)
{
    CDC dc;
    dc.Attach((HDC)wParam);
    const BOOL erased = (target<F, BOOL(CDC*)>(w)->*F)(&dc);
    dc.Detach();
    return erased;
}
template <auto F> LRESULT onSize(CWnd* w, WPARAM wParam, LPARAM lParam)
{
    (target<F, void(UINT, int, int)>(w)->*F)((UINT)wParam, LOWORD(lParam), HIWORD(lParam));
    return 0;
}
template <auto F> LRESULT onMove(CWnd* w, WPARAM, LPARAM lParam)
{
    (target<F, void(int, int)>(w)->*F)(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
    return 0;
}
template <auto F> LRESULT onShowWindow(CWnd* w, WPARAM wParam, LPARAM lParam)
{
    (target<F, void(BOOL, UINT)>(w)->*F)((BOOL)wParam, (UINT)lParam);
    return 0;
}
template <auto F> LRESULT onTimer(CWnd* w, WPARAM wParam, LPARAM)
{
    (target<F, void(UINT_PTR)>(w)->*F)(wParam);
    return 0;
}
template <auto F> LRESULT onMouse(CWnd* w, WPARAM wParam, LPARAM lParam)
{
    (target<F, void(UINT, CPoint)>(w)->*F)((UINT)wParam, pointOf(lParam));
    return 0;
}
template <auto F> LRESULT onMouseWheel(CWnd* w, WPARAM wParam, LPARAM lParam)
{
    return (target<F, BOOL(UINT, short, CPoint)>(w)->*F)(GET_KEYSTATE_WPARAM(wParam), GET_WHEEL_DELTA_WPARAM(wParam),
                                                          pointOf(lParam));
}
template <auto F> LRESULT onGetDlgCode(CWnd* w, WPARAM, LPARAM)
{
    return (LRESULT)(target<F, UINT()>(w)->*F)();
}
template <auto F> LRESULT onSetCursor(CWnd* w, WPARAM wParam, LPARAM lParam)
{
    // The hit-test code is signed (HTERROR is negative).
    return (target<F, BOOL(CWnd*, UINT, UINT)>(w)->*F)(windowOf(wParam), (UINT)(short)LOWORD(lParam),
                                                        HIWORD(lParam));
}
template <auto F> LRESULT onKey(CWnd* w, WPARAM wParam, LPARAM lParam)
{
    (target<F, void(UINT, UINT, UINT)>(w)->*F)((UINT)wParam, LOWORD(lParam), HIWORD(lParam));
    return 0;
}
template <auto F> LRESULT onWindowInW(CWnd* w, WPARAM wParam, LPARAM)
{
    (target<F, void(CWnd*)>(w)->*F)(windowOf(wParam));
    return 0;
}
template <auto F> LRESULT onWindowInL(CWnd* w, WPARAM, LPARAM lParam)
{
    (target<F, void(CWnd*)>(w)->*F)(windowOf((WPARAM)lParam));
    return 0;
}
template <auto F> LRESULT onInitMenuPopup(CWnd* w, WPARAM wParam, LPARAM lParam)
{
    (target<F, void(CMenu*, UINT, BOOL)>(w)->*F)(menuOf(wParam), LOWORD(lParam), HIWORD(lParam));
    return 0;
}
template <auto F> LRESULT onMessage(CWnd* w, WPARAM wParam, LPARAM lParam)
{
    return (target<F, LRESULT(WPARAM, LPARAM)>(w)->*F)(wParam, lParam);
}

} // namespace afx

#define AFX_ENTRY(message, adapter, fn) {message, 0, 0, 0, &afx::adapter<&ThisClass::fn>},

#define ON_WM_CREATE() AFX_ENTRY(WM_CREATE, onCreate, OnCreate)
#define ON_WM_DESTROY() AFX_ENTRY(WM_DESTROY, noArgs, OnDestroy)
#define ON_WM_CLOSE() AFX_ENTRY(WM_CLOSE, noArgs, OnClose)
#define ON_WM_PAINT() AFX_ENTRY(WM_PAINT, noArgs, OnPaint)
#define ON_WM_NCPAINT() AFX_ENTRY(WM_NCPAINT, noArgs, OnNcPaint)
#define ON_WM_ERASEBKGND() AFX_ENTRY(WM_ERASEBKGND, onEraseBkgnd, OnEraseBkgnd)
#define ON_WM_SIZE() AFX_ENTRY(WM_SIZE, onSize, OnSize)
#define ON_WM_MOVE() AFX_ENTRY(WM_MOVE, onMove, OnMove)
#define ON_WM_SHOWWINDOW() AFX_ENTRY(WM_SHOWWINDOW, onShowWindow, OnShowWindow)
#define ON_WM_TIMER() AFX_ENTRY(WM_TIMER, onTimer, OnTimer)
#define ON_WM_MOUSEMOVE() AFX_ENTRY(WM_MOUSEMOVE, onMouse, OnMouseMove)
#define ON_WM_LBUTTONDOWN() AFX_ENTRY(WM_LBUTTONDOWN, onMouse, OnLButtonDown)
#define ON_WM_LBUTTONUP() AFX_ENTRY(WM_LBUTTONUP, onMouse, OnLButtonUp)
#define ON_WM_LBUTTONDBLCLK() AFX_ENTRY(WM_LBUTTONDBLCLK, onMouse, OnLButtonDblClk)
#define ON_WM_RBUTTONDOWN() AFX_ENTRY(WM_RBUTTONDOWN, onMouse, OnRButtonDown)
#define ON_WM_RBUTTONUP() AFX_ENTRY(WM_RBUTTONUP, onMouse, OnRButtonUp)
#define ON_WM_RBUTTONDBLCLK() AFX_ENTRY(WM_RBUTTONDBLCLK, onMouse, OnRButtonDblClk)
#define ON_WM_MOUSEWHEEL() AFX_ENTRY(WM_MOUSEWHEEL, onMouseWheel, OnMouseWheel)
#define ON_WM_GETDLGCODE() AFX_ENTRY(WM_GETDLGCODE, onGetDlgCode, OnGetDlgCode)
#define ON_WM_MOUSELEAVE() AFX_ENTRY(WM_MOUSELEAVE, noArgs, OnMouseLeave)
#define ON_WM_SETCURSOR() AFX_ENTRY(WM_SETCURSOR, onSetCursor, OnSetCursor)
#define ON_WM_KEYDOWN() AFX_ENTRY(WM_KEYDOWN, onKey, OnKeyDown)
#define ON_WM_KEYUP() AFX_ENTRY(WM_KEYUP, onKey, OnKeyUp)
#define ON_WM_CHAR() AFX_ENTRY(WM_CHAR, onKey, OnChar)
#define ON_WM_SETFOCUS() AFX_ENTRY(WM_SETFOCUS, onWindowInW, OnSetFocus)
#define ON_WM_KILLFOCUS() AFX_ENTRY(WM_KILLFOCUS, onWindowInW, OnKillFocus)
#define ON_WM_CAPTURECHANGED() AFX_ENTRY(WM_CAPTURECHANGED, onWindowInL, OnCaptureChanged)
#define ON_WM_INITMENUPOPUP() AFX_ENTRY(WM_INITMENUPOPUP, onInitMenuPopup, OnInitMenuPopup)
#define ON_MESSAGE(message, memberFxn) AFX_ENTRY(message, onMessage, memberFxn)

#define ON_CONTROL(wNotifyCode, id, memberFxn) \
    {WM_COMMAND, (WORD)(wNotifyCode), (WORD)(id), (WORD)(id), &afx::noArgs<&ThisClass::memberFxn>},
#define ON_COMMAND(id, memberFxn) ON_CONTROL(0, id, memberFxn)
#define ON_COMMAND_RANGE(id, idLast, memberFxn) \
    {WM_COMMAND, 0, (WORD)(id), (WORD)(idLast), &afx::withId<&ThisClass::memberFxn>},
#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
