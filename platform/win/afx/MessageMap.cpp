// Message dispatch of window objects, in the MFC layer on top of USER.
//
// SendMessageW / DispatchMessageW (USER)
//   -> the window's procedure: AfxWndProc for windows with a CWnd, which
//      SubclassWindow puts in when it attaches the object (for a CWnd's own
//      CreateEx through USER's creation hook, before the window's first message)
//   -> AfxCallWndProc: records the current message (for Default), then
//   -> pWnd->WindowProc -> OnWndMsg: WM_COMMAND goes to OnCommand, which looks
//      for a command entry of the notification code and id; any other message
//      to the first entry for it, from the class's own map up the chain of
//      base maps. An entry calls its handler through its adapter.
//      WM_MEASUREITEM/WM_DRAWITEM without an entry go to the control's own
//      object (OnChildNotify), as MFC reflects them.
//   -> nothing found: DefWindowProc (the class procedure, or ::DefWindowProcW)
//   -> after WM_NCDESTROY the object is detached and PostNcDestroy is called.
#include "win/afx/Wnd.h"

#include "win/user/Controls.h"
#include "win/afx/WinThread.h"

namespace {

MSG currentMessage{};

const AFX_MSGMAP_ENTRY* findEntry(const AFX_MSGMAP* map, UINT message, UINT code, UINT id)
{
    for (; map; map = map->pfnGetBaseMap ? map->pfnGetBaseMap() : nullptr)
        for (const AFX_MSGMAP_ENTRY* e = map->lpEntries; e->pfn; ++e) {
            if (e->nMessage != message) continue;
            if (message != WM_COMMAND || (e->nCode == code && e->nID <= id && id <= e->nLastID)) return e;
        }
    return nullptr;
}

// The object of the control that an owner-draw message is about.
CWnd* ownerDrawControl(HWND parent, UINT message, LPARAM lParam)
{
    if (!lParam) return nullptr;
    if (message == WM_DRAWITEM) return CWnd::FromHandlePermanent(((const DRAWITEMSTRUCT*)lParam)->hwndItem);
    if (message == WM_MEASUREITEM)
        return CWnd::FromHandlePermanent(::GetDlgItem(parent, (int)((const MEASUREITEMSTRUCT*)lParam)->CtlID));
    return nullptr;
}

} // namespace

const AFX_MSGMAP* CWnd::GetThisMessageMap()
{
    static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, 0, nullptr}};
    static const AFX_MSGMAP map = {nullptr, &entries[0]};
    return &map;
}

const AFX_MSGMAP* CWnd::GetMessageMap() const
{
    return GetThisMessageMap();
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (!OnWndMsg(message, wParam, lParam, &result)) result = DefWindowProc(message, wParam, lParam);
    return result;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    LRESULT result = 0;
    BOOL handled = FALSE;
    if (message == WM_COMMAND) {
        handled = OnCommand(wParam, lParam);
        result = handled;
    } else if (const AFX_MSGMAP_ENTRY* e = findEntry(GetMessageMap(), message, 0, 0)) {
        result = e->pfn(this, wParam, lParam);
        handled = TRUE;
    } else if (CWnd* control = ownerDrawControl(m_hWnd, message, lParam)) {
        handled = control->OnChildNotify(message, wParam, lParam, &result);
    }
    if (pResult) *pResult = result;
    return handled;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const AFX_MSGMAP_ENTRY* e = findEntry(GetMessageMap(), WM_COMMAND, HIWORD(wParam), LOWORD(wParam));
    if (!e) return FALSE;
    e->pfn(this, wParam, lParam);
    return TRUE;
}

BOOL CWnd::OnChildNotify(UINT, WPARAM, LPARAM, LRESULT*)
{
    return FALSE;
}

BOOL CWnd::PreTranslateMessage(MSG*)
{
    return FALSE;
}

BOOL CWnd::WalkPreTranslateTree(HWND hWndStop, MSG* pMsg)
{
    for (HWND h = pMsg->hwnd; h && ::IsWindow(h); h = ::GetParent(h)) {
        if (CWnd* w = FromHandlePermanent(h); w && w->PreTranslateMessage(pMsg)) return TRUE;
        if (h == hWndStop) break;
    }
    return FALSE;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_pfnSuper) return CallWindowProcW(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcW(m_hWnd, message, wParam, lParam);
}

const MSG* CWnd::GetCurrentMessage()
{
    return &currentMessage;
}

LRESULT CWnd::Default()
{
    return DefWindowProc(currentMessage.message, currentMessage.wParam, currentMessage.lParam);
}

LRESULT AfxCallWndProc(CWnd* pWnd, HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    const MSG previous = currentMessage;
    currentMessage = MSG{hWnd, nMsg, wParam, lParam, GetTickCount(), {}};
    GetCursorPos(&currentMessage.pt);
    const LRESULT result = pWnd->WindowProc(nMsg, wParam, lParam);
    currentMessage = previous;
    if (nMsg == WM_NCDESTROY && pWnd->m_hWnd == hWnd) {
        pWnd->Detach();
        if (AfxGetThread()->m_pMainWnd == pWnd) AfxGetThread()->m_pMainWnd = nullptr;
        pWnd->PostNcDestroy();
    }
    return result;
}

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    return pWnd ? AfxCallWndProc(pWnd, hWnd, nMsg, wParam, lParam) : ::DefWindowProcW(hWnd, nMsg, wParam, lParam);
}

CWnd* afx::windowOf(WPARAM handle)
{
    return CWnd::FromHandle((HWND)handle);
}
