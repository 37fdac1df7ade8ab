#pragma once
// The DCs of windows: CPaintDC (BeginPaint/EndPaint, for WM_PAINT handlers)
// and CClientDC (the client area at any time). Both draw on the screen, with
// logical (0, 0) at the client area's top-left corner, clipped to the visible
// part of the client area (for CPaintDC: of its update). CWindowDC is in DC.h.
#include "win/gdi/DC.h"
#include "win/user/Window.h"

class CPaintDC : public CDC {
public:
    explicit CPaintDC(CWnd* pWnd);
    ~CPaintDC() override;

    PAINTSTRUCT m_ps{};

protected:
    HWND m_hWnd = nullptr;
};

class CClientDC : public CDC {
public:
    explicit CClientDC(CWnd* pWnd);
    ~CClientDC() override;

protected:
    HWND m_hWnd = nullptr;
};
