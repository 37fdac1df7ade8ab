#include "win/user/DialogTemplate.h"

#include "win/user/ControlSupport.h"
#include "win/display/Display.h"
#include "win/user/MessageQueue.h"

#include <algorithm>
#include <cmath>
#include <cwchar>
#include <map>
#include <tuple>

namespace {

// MulDiv: rounded to the nearest integer, halves away from zero.
int mulDiv(int value, int numerator, int denominator)
{
    return (int)std::lround((double)value * numerator / denominator);
}

CRect toPixels(CSize base, int x, int y, int cx, int cy)
{
    const int left = mulDiv(x, base.cx, 4), top = mulDiv(y, base.cy, 8);
    return CRect(left, top, left + mulDiv(cx, base.cx, 4), top + mulDiv(cy, base.cy, 8));
}

// Kept on the screen where it can be: its top-left corner wins.
CRect onScreen(CRect r)
{
    const CSize screen = platform::display().screenSize();
    r.OffsetRect(std::min(0L, (LONG)(screen.cx - r.right)), std::min(0L, (LONG)(screen.cy - r.bottom)));
    r.OffsetRect(std::max(0L, -r.left), std::max(0L, -r.top));
    return r;
}

} // namespace

LRESULT CALLBACK DefDlgProcW(HWND hDlg, UINT Msg, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (platform::ctl::fontMessage(hDlg, Msg, wParam, lParam, result)) return result;
    switch (Msg) {
    case WM_CLOSE:
        PostMessageW(hDlg, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), (LPARAM)GetDlgItem(hDlg, IDCANCEL));
        return 0;
    case WM_INITDIALOG: return TRUE;
    default: return DefWindowProcW(hDlg, Msg, wParam, lParam);
    }
}

BOOL MapDialogRect(HWND hDlg, LPRECT lpRect)
{
    if (!IsWindow(hDlg) || !lpRect) return FALSE;
    const CSize base = platform::DialogBaseUnits((HFONT)SendMessageW(hDlg, WM_GETFONT, 0, 0));
    *lpRect = CRect(mulDiv(lpRect->left, base.cx, 4), mulDiv(lpRect->top, base.cy, 8),
                    mulDiv(lpRect->right, base.cx, 4), mulDiv(lpRect->bottom, base.cy, 8));
    return TRUE;
}

BOOL SetDlgItemTextW(HWND hDlg, int nIDDlgItem, LPCWSTR lpString)
{
    const HWND item = GetDlgItem(hDlg, nIDDlgItem);
    return item && SetWindowTextW(item, lpString);
}

UINT GetDlgItemTextW(HWND hDlg, int nIDDlgItem, LPWSTR lpString, int cchMax)
{
    const HWND item = GetDlgItem(hDlg, nIDDlgItem);
    if (!item) {
        if (lpString && cchMax > 0) lpString[0] = 0;
        return 0;
    }
    return (UINT)GetWindowTextW(item, lpString, cchMax);
}

namespace platform {

HFONT DialogTemplateFont(const winres::DialogResource& dialog)
{
    static auto* fonts = new std::map<std::tuple<std::wstring, WORD, int>, HFONT>; // see WindowManager.cpp
    const std::wstring face = dialog.fontFace ? dialog.fontFace : L"MS Shell Dlg";
    const WORD points = dialog.pointSize ? dialog.pointSize : 8;
    HFONT& font = (*fonts)[{face, points, display().dpi()}];
    if (!font) {
        LOGFONTW lf{};
        lf.lfHeight = -mulDiv(points, display().dpi(), 72);
        lf.lfWeight = FW_NORMAL;
        std::wcsncpy(lf.lfFaceName, face.c_str(), LF_FACESIZE - 1);
        font = CreateFontIndirectW(&lf);
    }
    return font;
}

CSize DialogBaseUnits(HFONT font)
{
    static const wchar_t alphabet[] = L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    const HDC dc = GetDC(nullptr);
    const HGDIOBJ old = SelectObject(dc, font ? (HGDIOBJ)font : GetStockObject(DEFAULT_GUI_FONT));
    SIZE size{};
    GetTextExtentPoint32W(dc, alphabet, 52, &size);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return CSize((size.cx / 26 + 1) / 2, size.cy);
}

CRect DialogWindowRect(const winres::DialogResource& dialog, HWND hWndParent)
{
    const CSize base = DialogBaseUnits(DialogTemplateFont(dialog));
    CRect r = toPixels(base, dialog.x, dialog.y, dialog.cx, dialog.cy);
    AdjustWindowRectEx(&r, dialog.style, FALSE, dialog.exStyle);
    if (dialog.style & WS_CHILD) return r;
    if (dialog.style & DS_CENTER) {
        CRect area(CPoint(0, 0), display().screenSize());
        if (hWndParent) GetWindowRect(hWndParent, &area);
        r.OffsetRect(area.CenterPoint() - r.CenterPoint());
    } else if (hWndParent) {
        CPoint origin(0, 0);
        ClientToScreen(hWndParent, &origin);
        r.OffsetRect(origin);
    }
    return onScreen(r);
}

BOOL CreateDialogControls(HWND hDlg, const winres::DialogResource& dialog)
{
    const HFONT font = (HFONT)SendMessageW(hDlg, WM_GETFONT, 0, 0);
    const CSize base = DialogBaseUnits(font);
    for (const winres::DialogItemResource& item : dialog.items) {
        const CRect r = toPixels(base, item.x, item.y, item.cx, item.cy);
        const HWND control = CreateWindowExW(item.exStyle, item.className, item.text, item.style | WS_CHILD, r.left,
                                             r.top, r.Width(), r.Height(), hDlg, (HMENU)(UINT_PTR)item.id,
                                             nullptr, nullptr);
        if (!control) return FALSE;
        SendMessageW(control, WM_SETFONT, (WPARAM)font, FALSE);
    }
    return TRUE;
}

} // namespace platform
