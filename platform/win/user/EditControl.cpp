// A one-line edit control: the window text on the window colour, two pixels
// in from the left and centred in height, and a caret (a one-pixel line)
// while it has the focus. Typing edits at the caret; the text does not
// scroll, so what goes past the right end is cut off from view.
#include "win/user/ControlSupport.h"

#include "win/gdi/SysColors.h"
#include "win/user/Input.h"

#include <algorithm>
#include <unordered_map>

namespace platform::ctl {

namespace {

constexpr int textInset = 2;

std::unordered_map<HWND, int>& carets()
{
    static auto* m = new std::unordered_map<HWND, int>; // see WindowManager.cpp
    return *m;
}

int caretOf(HWND h)
{
    const auto it = carets().find(h);
    const int length = GetWindowTextLengthW(h);
    return it == carets().end() ? length : std::clamp(it->second, 0, length);
}

// The width of the first n characters in the control's font.
int widthOf(HDC dc, const std::wstring& text, int n)
{
    if (n <= 0) return 0;
    CRect r;
    DrawTextW(dc, text.c_str(), n, &r, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    return r.Width();
}

void paint(HWND h)
{
    PaintScope p(h);
    const CRect client = p.client();
    fillRect(p.dc(), client, GetSysColor(COLOR_WINDOW));
    const std::wstring text = textOf(h);
    CRect r(client.left + textInset, client.top, client.right, client.bottom);
    SetBkMode(p.dc(), TRANSPARENT);
    SetTextColor(p.dc(), GetSysColor(IsWindowEnabled(h) ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
    DrawTextW(p.dc(), text.c_str(), (int)text.size(), &r, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    if (GetFocus() != h) return;
    const int x = r.left + widthOf(p.dc(), text, caretOf(h));
    fillRect(p.dc(), CRect(x, client.top + 2, x + 1, client.bottom - 2), GetSysColor(COLOR_WINDOWTEXT));
}

// The caret position nearest to a client x.
int positionAt(HWND h, int x)
{
    const std::wstring text = textOf(h);
    const HDC dc = GetDC(h);
    const HGDIOBJ old = SelectObject(dc, fontOf(h));
    int best = 0;
    for (int n = 1; n <= (int)text.size(); ++n)
        if (std::abs(textInset + widthOf(dc, text, n) - x) < std::abs(textInset + widthOf(dc, text, best) - x))
            best = n;
    SelectObject(dc, old);
    ReleaseDC(h, dc);
    return best;
}

void moveCaret(HWND h, int to)
{
    carets()[h] = std::clamp(to, 0, GetWindowTextLengthW(h));
    InvalidateRect(h, nullptr, TRUE);
}

void replaceText(HWND h, const std::wstring& text, int caret)
{
    DefWindowProcW(h, WM_SETTEXT, 0, (LPARAM)text.c_str());
    moveCaret(h, caret);
    SendMessageW(GetParent(h), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(h), EN_CHANGE), (LPARAM)h);
}

void typed(HWND h, WCHAR ch)
{
    std::wstring text = textOf(h);
    const int caret = caretOf(h);
    if (ch == L'\b') {
        if (caret == 0) return;
        text.erase((size_t)caret - 1, 1);
        replaceText(h, text, caret - 1);
    } else if (ch >= 0x20 && ch != 0x7F) {
        text.insert((size_t)caret, 1, ch);
        replaceText(h, text, caret + 1);
    }
}

void keyDown(HWND h, UINT vk)
{
    const int caret = caretOf(h);
    switch (vk) {
    case VK_LEFT: moveCaret(h, caret - 1); break;
    case VK_RIGHT: moveCaret(h, caret + 1); break;
    case VK_HOME: moveCaret(h, 0); break;
    case VK_END: moveCaret(h, GetWindowTextLengthW(h)); break;
    case VK_DELETE:
        if (caret < GetWindowTextLengthW(h)) {
            std::wstring text = textOf(h);
            text.erase((size_t)caret, 1);
            replaceText(h, text, caret);
        }
        break;
    default: break;
    }
}

} // namespace

LRESULT CALLBACK editProc(HWND h, UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (fontMessage(h, message, wParam, lParam, result)) return result;
    switch (message) {
    case WM_PAINT: paint(h); return 0;
    case WM_GETDLGCODE: return DLGC_WANTCHARS | DLGC_WANTARROWS;
    case WM_CHAR: typed(h, (WCHAR)wParam); return 0;
    case WM_KEYDOWN: keyDown(h, (UINT)wParam); return 0;
    case WM_LBUTTONDOWN:
        SetFocus(h);
        moveCaret(h, positionAt(h, GET_X_LPARAM(lParam)));
        return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE: InvalidateRect(h, nullptr, TRUE); return 0;
    case WM_SETTEXT:
        DefWindowProcW(h, message, wParam, lParam);
        moveCaret(h, GetWindowTextLengthW(h));
        return TRUE;
    case EM_GETSEL: {
        const DWORD caret = (DWORD)caretOf(h);
        if (wParam) *(DWORD*)wParam = caret;
        if (lParam) *(DWORD*)lParam = caret;
        return MAKELRESULT(caret, caret);
    }
    case EM_SETSEL: moveCaret(h, (int)lParam < 0 ? GetWindowTextLengthW(h) : (int)lParam); return 0;
    case WM_NCDESTROY: carets().erase(h); break;
    default: break;
    }
    return DefWindowProcW(h, message, wParam, lParam);
}

} // namespace platform::ctl
