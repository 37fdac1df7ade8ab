// Message boxes; the steps are described in MessageBox.h.
#include "win/user/MessageBox.h"

#include "win/display/Display.h"
#include "win/gdi/Gdi.h"
#include "win/gdi/SysColors.h"
#include "win/user/Controls.h"
#include "win/user/DialogKeys.h"
#include "win/user/DialogTemplate.h"
#include "win/user/Input.h"
#include "win/user/Menu.h"

#include <algorithm>
#include <unordered_map>
#include <vector>

namespace {

platform::MessageBoxPrompts* installedPrompts = nullptr;

// The button clicked in each open box, as its WM_COMMAND tells.
std::unordered_map<HWND, int>& pressedButtons()
{
    static auto* m = new std::unordered_map<HWND, int>; // see WindowManager.cpp
    return *m;
}

// Esc and the close box send IDCANCEL: the Cancel button's, else OK's where
// it is the only button; a box with neither (Yes/No, Abort/Retry/Ignore)
// must be answered with a button.
int buttonForCancel(HWND box)
{
    if (GetDlgItem(box, IDCANCEL)) return IDCANCEL;
    return GetDlgItem(box, IDOK) ? IDOK : 0;
}

LRESULT CALLBACK boxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
        const int id = LOWORD(wParam) == IDCANCEL ? buttonForCancel(box) : LOWORD(wParam);
        if (id && GetDlgItem(box, id)) pressedButtons()[box] = id;
    }
    if (message == WM_NCDESTROY) pressedButtons().erase(box);
    return DefDlgProcW(box, message, wParam, lParam);
}

struct Button {
    int id;
    const wchar_t* text;
};

// The buttons of a type, left to right, and the one that cancels the box.
struct Buttons {
    std::vector<Button> row;
    int cancel = 0;
};

Buttons buttonsOf(UINT type)
{
    const Button ok{IDOK, L"OK"}, cancel{IDCANCEL, L"Cancel"}, abort{IDABORT, L"&Abort"},
        retry{IDRETRY, L"&Retry"}, ignore{IDIGNORE, L"&Ignore"}, yes{IDYES, L"&Yes"}, no{IDNO, L"&No"};
    switch (type & MB_TYPEMASK) {
    case MB_OK: return {{ok}, IDOK};
    case MB_OKCANCEL: return {{ok, cancel}, IDCANCEL};
    case MB_ABORTRETRYIGNORE: return {{abort, retry, ignore}, IDABORT};
    case MB_YESNOCANCEL: return {{yes, no, cancel}, IDCANCEL};
    case MB_YESNO: return {{yes, no}, IDNO};
    case MB_RETRYCANCEL: return {{retry, cancel}, IDCANCEL};
    default: return {};
    }
}

int scaled(int pixels)
{
    return pixels * platform::display().dpi() / 96;
}

HFONT messageFont()
{
    static HFONT font = nullptr;
    if (!font) {
        NONCLIENTMETRICSW m{};
        m.cbSize = sizeof m;
        SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof m, &m, 0);
        font = CreateFontIndirectW(&m.lfMessageFont);
    }
    return font;
}

CSize textSize(const std::wstring& text)
{
    const HDC dc = GetDC(nullptr);
    const HGDIOBJ old = SelectObject(dc, messageFont());
    CRect r(0, 0, scaled(360), 0);
    DrawTextW(dc, text.empty() ? L" " : text.c_str(), text.empty() ? 1 : (int)text.size(), &r,
              DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return r.Size();
}

// The box's client layout: the text, then the row of buttons centred below.
struct Layout {
    CRect text;
    std::vector<CRect> buttons;
    CSize client;
};

Layout layoutOf(const std::wstring& text, size_t nButtons)
{
    const int margin = scaled(11), gap = scaled(6), width = scaled(75), height = scaled(23);
    const CSize t = textSize(text);
    const int row = (int)nButtons * width + ((int)nButtons - 1) * gap;
    Layout l;
    l.client = CSize(std::max((int)t.cx, row) + 2 * margin, margin + t.cy + margin + height + margin);
    l.text = CRect(CPoint(margin, margin), t);
    int x = (l.client.cx - row) / 2;
    for (size_t i = 0; i < nButtons; ++i, x += width + gap)
        l.buttons.emplace_back(x, margin + t.cy + margin, x + width, margin + t.cy + margin + height);
    return l;
}

// Centred over the owner, or the screen, and kept on the screen.
CRect placed(HWND owner, CRect window)
{
    const CSize screen = platform::display().screenSize();
    CRect area(CPoint(0, 0), screen);
    if (owner)
        GetWindowRect(owner, &area);
    window.OffsetRect(area.CenterPoint() - window.CenterPoint());
    window.OffsetRect(std::min(0L, (LONG)(screen.cx - window.right)), std::min(0L, (LONG)(screen.cy - window.bottom)));
    window.OffsetRect(std::max(0L, -window.left), std::max(0L, -window.top));
    return window;
}

HWND createBox(HWND owner, const std::wstring& text, LPCWSTR caption, const Buttons& buttons)
{
    const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    const Layout l = layoutOf(text, buttons.row.size());
    CRect window(CPoint(0, 0), l.client);
    AdjustWindowRectEx(&window, style, FALSE, 0);
    window = placed(owner, window);
    const HWND box = CreateWindowExW(WS_EX_TOPMOST, WC_DIALOG, caption ? caption : L"Error", style, window.left,
                                     window.top, window.Width(), window.Height(), owner, nullptr, nullptr, nullptr);
    if (!box)
        return nullptr;
    SetWindowLongPtrW(box, GWLP_WNDPROC, (LONG_PTR)boxProc);
    SendMessageW(box, WM_SETFONT, (WPARAM)messageFont(), FALSE);
    auto child = [&](LPCWSTR cls, UINT id, LPCWSTR label, DWORD childStyle, const CRect& r) {
        const HWND h = CreateWindowExW(0, cls, label, WS_CHILD | WS_VISIBLE | childStyle, r.left, r.top, r.Width(),
                                       r.Height(), box, (HMENU)(UINT_PTR)id, nullptr, nullptr);
        SendMessageW(h, WM_SETFONT, (WPARAM)messageFont(), FALSE);
    };
    child(WC_STATIC, 0xFFFF, text.c_str(), SS_LEFT | SS_NOPREFIX, l.text);
    for (size_t i = 0; i < buttons.row.size(); ++i)
        child(WC_BUTTON, (UINT)buttons.row[i].id, buttons.row[i].text,
              WS_TABSTOP | (i == 0 ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON), l.buttons[i]);
    if (!buttonForCancel(box)) EnableMenuItem(GetSystemMenu(box, FALSE), SC_CLOSE, MF_BYCOMMAND | MF_GRAYED);
    return box;
}

} // namespace

int MessageBoxW(HWND hWnd, LPCWSTR lpText, LPCWSTR lpCaption, UINT uType)
{
    const Buttons buttons = buttonsOf(uType);
    if (buttons.row.empty()) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    const std::wstring text = lpText ? lpText : L"";
    const HWND owner = hWnd && IsWindow(hWnd) ? hWnd : nullptr;
    const HWND focusBefore = GetFocus();
    const HWND box = createBox(owner, text, lpCaption, buttons);
    if (!box)
        return 0;
    const BOOL ownerWasDisabled = owner ? EnableWindow(owner, FALSE) : FALSE;
    ShowWindow(box, SW_SHOW);
    SetFocus(GetDlgItem(box, buttons.row.front().id)); // the default button
    RedrawWindow(box, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);

    platform::BeginDialogLoop(box);
    const int chosen = platform::messageBoxPrompts().answerMessageBox(box, CString(text), uType);
    platform::EndDialogLoop(box);
    const bool offered = std::any_of(buttons.row.begin(), buttons.row.end(),
                                     [&](const Button& b) { return b.id == chosen; });
    if (owner && IsWindow(owner))
        EnableWindow(owner, !ownerWasDisabled);
    if (IsWindow(box))
        DestroyWindow(box);
    if (focusBefore && IsWindow(focusBefore))
        SetFocus(focusBefore);
    return offered ? chosen : buttons.cancel;
}

namespace platform {

int MessageBoxPrompts::answerMessageBox(HWND, const CString&, UINT)
{
    return 0;
}

MessageBoxPrompts& messageBoxPrompts()
{
    static MessageBoxPrompts cancelling;
    return installedPrompts ? *installedPrompts : cancelling;
}

void setMessageBoxPrompts(MessageBoxPrompts* prompts)
{
    installedPrompts = prompts;
}

int MessageBoxChoice(HWND box)
{
    const auto it = pressedButtons().find(box);
    return it == pressedButtons().end() ? 0 : it->second;
}

} // namespace platform
