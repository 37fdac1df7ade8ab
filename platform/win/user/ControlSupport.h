#pragma once
// What the predefined controls share: the font each one keeps, painting with
// it, and the 3-D edges of buttons and bars.
// For the control files of this folder only.
#include "win/user/Controls.h"
#include "win/gdi/Gdi.h"

#include <string>
#include <string_view>

namespace platform::ctl {

// WM_SETFONT (redraws when lParam says so), WM_GETFONT and the forgetting of a
// destroyed control's font; true when the message was one of these two.
bool fontMessage(HWND h, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
// The control's font, or the default GUI font when it was given none.
HFONT fontOf(HWND h);

// The window's text (GetWindowTextW into a string of its length).
std::wstring textOf(HWND h);

// The character after the first single '&' of a text ("&&" is a literal
// '&'); 0 when the text has no mnemonic.
WCHAR mnemonicOf(std::wstring_view text);

// A raised (or, pressed, sunken) two-pixel edge around r.
void drawEdge(HDC hdc, const CRect& r, bool sunken);
void fillRect(HDC hdc, const CRect& r, COLORREF color);

// BeginPaint/EndPaint with the control's font selected.
class PaintScope {
public:
    explicit PaintScope(HWND h);
    ~PaintScope();
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;

    HDC dc() const { return m_ps.hdc; }
    CRect client() const { return m_client; }

private:
    HWND m_hWnd;
    PAINTSTRUCT m_ps{};
    HGDIOBJ m_oldFont = nullptr;
    CRect m_client;
};

// The window procedures of the classes.
LRESULT CALLBACK buttonProc(HWND h, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK staticProc(HWND h, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK editProc(HWND h, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK listBoxProc(HWND h, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK progressProc(HWND h, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK menuProc(HWND h, UINT message, WPARAM wParam, LPARAM lParam);

} // namespace platform::ctl
