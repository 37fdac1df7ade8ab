// The list box control: entries of text (or, owner-drawn without
// LBS_HASSTRINGS, of item data) with their item data and heights.
//
// LB_ADDSTRING / LB_INSERTSTRING -> the entry is stored; an
//   LBS_OWNERDRAWVARIABLE list asks its parent for the entry's height
//   (WM_MEASUREITEM) at once -> the list repaints.
// WM_PAINT -> the scroll bars the content needs (drawn inside the client area)
//   -> from the top index down, each entry: owner-drawn lists send
//   WM_DRAWITEM to the parent, the others draw the text themselves.
// LB_SETTOPINDEX scrolls no further than to the page that shows the last entry.
// WM_LBUTTONDOWN on an entry selects it (not in LBS_NOSEL lists) -> with
//   LBS_NOTIFY, LBN_SELCHANGE to the parent. The selected entry is drawn in
//   the highlight colours, or owner-drawn with ODS_SELECTED.
#include "win/user/ControlSupport.h"

#include "win/gdi/SysColors.h"

#include <algorithm>
#include <cwchar>
#include <unordered_map>
#include <vector>

namespace platform::ctl {

namespace {

struct Entry {
    std::wstring text;
    ULONG_PTR data = 0;
    int height = 0;
};

struct ListState {
    std::vector<Entry> entries;
    int top = 0;
    int extent = 0;
    int selected = LB_ERR;
};

std::unordered_map<HWND, ListState>& lists()
{
    static auto* l = new std::unordered_map<HWND, ListState>; // see WindowManager.cpp
    return *l;
}

DWORD styleOf(HWND h)
{
    return (DWORD)GetWindowLongW(h, GWL_STYLE);
}

bool ownerDrawn(HWND h)
{
    return styleOf(h) & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE);
}

bool keepsStrings(HWND h)
{
    return !ownerDrawn(h) || (styleOf(h) & LBS_HASSTRINGS);
}

int fontHeight(HWND h)
{
    const HDC dc = GetDC(h);
    const HGDIOBJ old = SelectObject(dc, fontOf(h));
    SIZE size{};
    GetTextExtentPoint32W(dc, L"Ay", 2, &size);
    SelectObject(dc, old);
    ReleaseDC(h, dc);
    return size.cy;
}

int scrollBarSize()
{
    NONCLIENTMETRICSW m{};
    m.cbSize = sizeof m;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof m, &m, 0);
    return m.iScrollWidth;
}

// Where the entries go and which scroll bars the content needs.
struct Layout {
    CRect items;
    bool vertical = false;
    bool horizontal = false;
};

int totalHeight(const ListState& s, int from)
{
    int total = 0;
    for (size_t i = (size_t)from; i < s.entries.size(); ++i) total += s.entries[i].height;
    return total;
}

Layout layoutOf(HWND h, const ListState& s)
{
    Layout l;
    GetClientRect(h, &l.items);
    const DWORD style = styleOf(h);
    const int bar = scrollBarSize();
    for (int pass = 0; pass < 2; ++pass) {
        l.vertical = (style & WS_VSCROLL) &&
                     ((style & LBS_DISABLENOSCROLL) || totalHeight(s, 0) > l.items.Height());
        l.horizontal = (style & WS_HSCROLL) && s.extent > l.items.Width();
        GetClientRect(h, &l.items);
        if (l.vertical) l.items.right -= bar;
        if (l.horizontal) l.items.bottom -= bar;
    }
    return l;
}

// The highest top index that still fills the page.
int maxTop(HWND h, const ListState& s)
{
    const int page = layoutOf(h, s).items.Height();
    int top = (int)s.entries.size();
    int used = 0;
    while (top > 0 && used + s.entries[(size_t)top - 1].height <= page) used += s.entries[(size_t)--top].height;
    return std::min(top, std::max((int)s.entries.size() - 1, 0));
}

CRect entryRect(HWND h, const ListState& s, int index)
{
    const Layout l = layoutOf(h, s);
    int y = l.items.top;
    for (int i = s.top; i < index; ++i) y += s.entries[(size_t)i].height;
    if (index < s.top)
        for (int i = index; i < s.top; ++i) y -= s.entries[(size_t)i].height;
    return CRect(l.items.left, y, std::max(l.items.right, l.items.left + s.extent),
                 y + s.entries[(size_t)index].height);
}

void measure(HWND h, ListState& s, int index)
{
    Entry& e = s.entries[(size_t)index];
    e.height = fontHeight(h);
    if (!(styleOf(h) & LBS_OWNERDRAWVARIABLE)) return;
    CRect client;
    GetClientRect(h, &client);
    MEASUREITEMSTRUCT mis{ODT_LISTBOX, (UINT)GetDlgCtrlID(h), (UINT)index, (UINT)client.Width(), (UINT)e.height,
                          e.data};
    if (const HWND parent = GetParent(h)) SendMessageW(parent, WM_MEASUREITEM, mis.CtlID, (LPARAM)&mis);
    // The parent may have changed the list meanwhile.
    auto it = lists().find(h);
    if (it != lists().end() && index < (int)it->second.entries.size())
        it->second.entries[(size_t)index].height = (int)mis.itemHeight;
}

LRESULT insert(HWND h, int index, LPARAM lParam)
{
    ListState& s = lists()[h];
    if (index < 0) index = (int)s.entries.size();
    if (index > (int)s.entries.size()) return LB_ERR;
    Entry e;
    if (keepsStrings(h)) e.text = lParam ? (LPCWSTR)lParam : L"";
    else e.data = (ULONG_PTR)lParam;
    s.entries.insert(s.entries.begin() + index, e);
    if (s.selected >= index) ++s.selected;
    measure(h, s, index);
    InvalidateRect(h, nullptr, TRUE);
    return index;
}

Entry* entryAt(HWND h, WPARAM index)
{
    ListState& s = lists()[h];
    return (int)index >= 0 && (size_t)(int)index < s.entries.size() ? &s.entries[(size_t)(int)index] : nullptr;
}

LRESULT copyText(HWND h, WPARAM index, LPARAM buffer)
{
    const Entry* e = entryAt(h, index);
    if (!e || !buffer) return LB_ERR;
    if (!keepsStrings(h)) {
        *(ULONG_PTR*)buffer = e->data;
        return sizeof(ULONG_PTR);
    }
    std::wmemcpy((wchar_t*)buffer, e->text.c_str(), e->text.size() + 1);
    return (LRESULT)e->text.size();
}

void drawScrollBar(HDC dc, const CRect& track, bool vertical, int first, int shown, int total)
{
    fillRect(dc, track, GetSysColor(COLOR_SCROLLBAR));
    const int button = vertical ? track.Width() : track.Height();
    const int length = (vertical ? track.Height() : track.Width()) - 2 * button;
    CRect start = vertical ? CRect(track.left, track.top, track.right, track.top + button)
                           : CRect(track.left, track.top, track.left + button, track.bottom);
    CRect end = vertical ? CRect(track.left, track.bottom - button, track.right, track.bottom)
                         : CRect(track.right - button, track.top, track.right, track.bottom);
    for (const CRect& b : {start, end}) {
        fillRect(dc, b, GetSysColor(COLOR_BTNFACE));
        drawEdge(dc, b, false);
    }
    if (total <= 0 || length <= 0) return;
    const int thumbLength = std::max(std::min(length, length * shown / total), button / 2);
    const int offset = std::min((length - thumbLength) * first / std::max(total - shown, 1), length - thumbLength);
    const CRect thumb = vertical ? CRect(track.left, start.bottom + offset, track.right,
                                         start.bottom + offset + thumbLength)
                                 : CRect(start.right + offset, track.top, start.right + offset + thumbLength,
                                         track.bottom);
    fillRect(dc, thumb, GetSysColor(COLOR_BTNFACE));
    drawEdge(dc, thumb, false);
}

void drawEntry(HWND h, HDC dc, const ListState& s, int index, const CRect& r)
{
    const Entry& e = s.entries[(size_t)index];
    const bool selected = index == s.selected;
    if (!ownerDrawn(h)) {
        CRect text = r;
        if (selected) fillRect(dc, r, GetSysColor(COLOR_HIGHLIGHT));
        const COLORREF old = SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
        DrawTextW(dc, e.text.c_str(), (int)e.text.size(), &text, DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
        SetTextColor(dc, old);
        return;
    }
    const UINT state = (IsWindowEnabled(h) ? 0u : (UINT)ODS_DISABLED) | (selected ? (UINT)ODS_SELECTED : 0u);
    DRAWITEMSTRUCT dis{ODT_LISTBOX, (UINT)GetDlgCtrlID(h), (UINT)index, ODA_DRAWENTIRE, state, h, dc, r, e.data};
    if (const HWND parent = GetParent(h)) SendMessageW(parent, WM_DRAWITEM, dis.CtlID, (LPARAM)&dis);
}

void paint(HWND h)
{
    PaintScope p(h);
    // A copy: owner drawing may change the list.
    const ListState s = lists()[h];
    const Layout l = layoutOf(h, s);
    const int bar = scrollBarSize();
    if (l.vertical) {
        int shown = 0;
        for (int i = s.top, y = 0; i < (int)s.entries.size() && y < l.items.Height(); ++i, ++shown)
            y += s.entries[(size_t)i].height;
        drawScrollBar(p.dc(), CRect(l.items.right, 0, l.items.right + bar, l.items.bottom), true, s.top, shown,
                      (int)s.entries.size());
    }
    if (l.horizontal)
        drawScrollBar(p.dc(), CRect(0, l.items.bottom, l.items.right, l.items.bottom + bar), false, 0,
                      l.items.Width(), s.extent);
    if (l.vertical && l.horizontal)
        fillRect(p.dc(), CRect(l.items.right, l.items.bottom, l.items.right + bar, l.items.bottom + bar),
                 GetSysColor(COLOR_BTNFACE));
    IntersectClipRect(p.dc(), l.items.left, l.items.top, l.items.right, l.items.bottom);
    SetTextColor(p.dc(), GetSysColor(COLOR_WINDOWTEXT));
    SetBkColor(p.dc(), GetSysColor(COLOR_WINDOW));
    for (int i = s.top; i < (int)s.entries.size(); ++i) {
        const CRect r = entryRect(h, s, i);
        if (r.top >= l.items.bottom) break;
        drawEntry(h, p.dc(), s, i, r);
    }
}

LRESULT setTop(HWND h, WPARAM index)
{
    ListState& s = lists()[h];
    if ((int)index < 0 || (size_t)(int)index >= s.entries.size()) return LB_ERR;
    s.top = std::min((int)index, maxTop(h, s));
    InvalidateRect(h, nullptr, TRUE);
    return LB_OKAY;
}

LRESULT select(HWND h, WPARAM index)
{
    ListState& s = lists()[h];
    const bool valid = (int)index >= 0 && (size_t)(int)index < s.entries.size();
    s.selected = valid ? (int)index : LB_ERR;
    InvalidateRect(h, nullptr, TRUE);
    return valid ? s.selected : LB_ERR;
}

// The entry under the point (low word) and whether the point lies off every
// entry (high word), as LB_ITEMFROMPOINT gives it.
LRESULT itemFromPoint(HWND h, CPoint pt)
{
    const ListState& s = lists()[h];
    if (s.entries.empty()) return MAKELONG(0, 1);
    const Layout l = layoutOf(h, s);
    for (int i = s.top; i < (int)s.entries.size(); ++i) {
        const CRect r = entryRect(h, s, i);
        if (pt.y < r.bottom || i + 1 == (int)s.entries.size())
            return MAKELONG(i, !(pt.y >= r.top && pt.y < r.bottom && l.items.PtInRect(pt)));
    }
    return MAKELONG(s.top, 1);
}

void click(HWND h, CPoint pt)
{
    const DWORD hit = (DWORD)itemFromPoint(h, pt);
    if ((styleOf(h) & LBS_NOSEL) || HIWORD(hit) || LOWORD(hit) == lists()[h].selected) return;
    select(h, LOWORD(hit));
    if (const HWND parent = GetParent(h); parent && (styleOf(h) & LBS_NOTIFY))
        SendMessageW(parent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(h), LBN_SELCHANGE), (LPARAM)h);
}

LRESULT listMessage(HWND h, UINT message, WPARAM wParam, LPARAM lParam)
{
    ListState& s = lists()[h];
    switch (message) {
    case LB_ADDSTRING: return insert(h, -1, lParam);
    case LB_INSERTSTRING: return insert(h, (int)wParam, lParam);
    case LB_DELETESTRING:
        if (!entryAt(h, wParam)) return LB_ERR;
        s.entries.erase(s.entries.begin() + (int)wParam);
        s.top = std::min(s.top, maxTop(h, s));
        if (s.selected == (int)wParam) s.selected = LB_ERR;
        else if (s.selected > (int)wParam) --s.selected;
        InvalidateRect(h, nullptr, TRUE);
        return (LRESULT)s.entries.size();
    case LB_RESETCONTENT:
        s.entries.clear();
        s.top = 0;
        s.selected = LB_ERR;
        InvalidateRect(h, nullptr, TRUE);
        return 0;
    case LB_GETTEXT: return copyText(h, wParam, lParam);
    case LB_GETTEXTLEN: {
        const Entry* e = entryAt(h, wParam);
        return !e ? LB_ERR : keepsStrings(h) ? (LRESULT)e->text.size() : (LRESULT)sizeof(ULONG_PTR);
    }
    case LB_GETCOUNT: return (LRESULT)s.entries.size();
    case LB_GETTOPINDEX: return s.top;
    case LB_SETTOPINDEX: return setTop(h, wParam);
    case LB_GETHORIZONTALEXTENT: return s.extent;
    case LB_SETHORIZONTALEXTENT:
        s.extent = std::max((int)wParam, 0);
        InvalidateRect(h, nullptr, TRUE);
        return 0;
    case LB_GETITEMDATA: {
        const Entry* e = entryAt(h, wParam);
        return e ? (LRESULT)e->data : LB_ERR;
    }
    case LB_SETITEMDATA: {
        Entry* e = entryAt(h, wParam);
        if (!e) return LB_ERR;
        e->data = (ULONG_PTR)lParam;
        return LB_OKAY;
    }
    case LB_GETITEMHEIGHT: {
        const Entry* e = entryAt(h, wParam);
        return e ? e->height : fontHeight(h);
    }
    case LB_SETCURSEL: return select(h, wParam);
    case LB_GETCURSEL: return s.selected;
    case LB_ITEMFROMPOINT: return itemFromPoint(h, CPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)));
    case LB_GETITEMRECT:
        if (!entryAt(h, wParam) || !lParam) return LB_ERR;
        *(RECT*)lParam = entryRect(h, s, (int)wParam);
        return LB_OKAY;
    default: return DefWindowProcW(h, message, wParam, lParam);
    }
}

} // namespace

LRESULT CALLBACK listBoxProc(HWND h, UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (fontMessage(h, message, wParam, lParam, result)) return result;
    switch (message) {
    case WM_PAINT: paint(h); return 0;
    case WM_GETDLGCODE: return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_SIZE: InvalidateRect(h, nullptr, TRUE); break;
    case WM_LBUTTONDOWN: click(h, CPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam))); return 0;
    case WM_NCDESTROY: lists().erase(h); break;
    default:
        if (message >= LB_ADDSTRING && message <= LB_ITEMFROMPOINT) return listMessage(h, message, wParam, lParam);
        break;
    }
    return DefWindowProcW(h, message, wParam, lParam);
}

} // namespace platform::ctl
