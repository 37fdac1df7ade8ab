#include "win/afx/ListBox.h"

BOOL CListBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create(WC_LISTBOX, nullptr, dwStyle, rect, pParentWnd, nID);
}

int CListBox::GetText(int nIndex, CString& rString) const
{
    rString.Empty();
    const int n = GetTextLen(nIndex);
    if (n == LB_ERR) return LB_ERR;
    std::wstring text((size_t)n + 1, L'\0');
    const int copied = (int)send(LB_GETTEXT, (WPARAM)nIndex, (LPARAM)text.data());
    if (copied == LB_ERR) return LB_ERR;
    rString = text.c_str();
    return copied;
}

void CListBox::DrawItem(LPDRAWITEMSTRUCT) {}

void CListBox::MeasureItem(LPMEASUREITEMSTRUCT) {}

BOOL CListBox::OnChildNotify(UINT message, WPARAM, LPARAM lParam, LRESULT* pResult)
{
    if (message == WM_DRAWITEM) DrawItem((LPDRAWITEMSTRUCT)lParam);
    else if (message == WM_MEASUREITEM) MeasureItem((LPMEASUREITEMSTRUCT)lParam);
    else return FALSE;
    if (pResult) *pResult = TRUE;
    return TRUE;
}

UINT CListBox::ItemFromPoint(CPoint pt, BOOL& bOutside) const
{
    const DWORD result = (DWORD)send(LB_ITEMFROMPOINT, 0, MAKELPARAM(pt.x, pt.y));
    bOutside = HIWORD(result) != 0;
    return LOWORD(result);
}
