#pragma once
// The DCs of windows: CPaintDC (BeginPaint/EndPaint, for WM_PAINT handlers)
// and CClientDC (the client area at any time) draw on the screen, with
// logical (0, 0) at the client area's top-left corner, clipped to the visible
// part of the client area (for CPaintDC: of its update); CWindowDC draws on the
// whole window.
#include "win/gdi/DC.h"
#include "win/user/Window.h"

class CWnd;

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

// The DC of a whole window, or of the whole screen for a null window.
class CWindowDC : public CDC {
public:
    explicit CWindowDC(CWnd* pWnd);
    ~CWindowDC() override;

protected:
    HWND m_hWnd = nullptr;
};
