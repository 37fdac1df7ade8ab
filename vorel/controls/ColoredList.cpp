#include "controls/ColoredList.h"

#include <cstring>

namespace NVorel {

BEGIN_MESSAGE_MAP(CColoredList, CListBox)
    ON_WM_KEYDOWN()
END_MESSAGE_MAP()

CColoredList::CColoredList() = default;

CColoredList::~CColoredList() = default;

int CColoredList::AddColoredString(const wchar_t* text, COLORREF colour)
{
    const int index = AddString(text);
    SetItemData(index, (DWORD_PTR)colour);
    return index;
}

bool CColoredList::hasEntry(int nIndex)
{
    const int count = GetCount();
    return count != LB_ERR && nIndex >= 0 && nIndex < count;
}

CString CColoredList::GetText(int nIndex)
{
    CString text;
    if (hasEntry(nIndex)) CListBox::GetText(nIndex, text);
    return L" " + text + L" ";
}

COLORREF CColoredList::GetColor(int nIndex)
{
    return hasEntry(nIndex) ? (COLORREF)GetItemData(nIndex) : RGB(0, 0, 0);
}

CFont* CColoredList::GetListFont()
{
    if (!m_fontList.GetSafeHandle()) {
        NONCLIENTMETRICSW metrics{};
        metrics.cbSize = sizeof metrics;
        if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
            m_fontList.CreateFontIndirect(&metrics.lfMenuFont);
    }
    return &m_fontList;
}

void CColoredList::MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct)
{
    if (!lpMeasureItemStruct) return;
    CWindowDC dc(nullptr);
    CFont* oldFont = dc.SelectObject(GetListFont());
    CRect r(0, 0, 0, 0);
    dc.DrawText(GetText((int)lpMeasureItemStruct->itemID), &r, DT_CALCRECT | DT_VCENTER | DT_NOPREFIX);
    dc.SelectObject(oldFont);
    lpMeasureItemStruct->itemHeight = (UINT)r.Height();
    lpMeasureItemStruct->itemWidth = (UINT)r.Width();
    if (r.Width() > m_nWidest) {
        m_nWidest = r.Width();
        SetHorizontalExtent(m_nWidest);
    }
}

void CColoredList::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    if (!lpDrawItemStruct) return;
    CDC dc;
    dc.Attach(lpDrawItemStruct->hDC);
    dc.SetTextColor(GetColor((int)lpDrawItemStruct->itemID));
    CRect r(lpDrawItemStruct->rcItem);
    dc.DrawText(GetText((int)lpDrawItemStruct->itemID), &r, DT_VCENTER | DT_NOPREFIX);
    dc.Detach();
}

void CColoredList::OnKeyDown(UINT nChar, UINT, UINT)
{
    if (GetKeyState(VK_CONTROL) >= 0 || nChar != 'C') return;
    const CString text = copiedText();
    if (!text.IsEmpty()) copyToClipboard(text);
}

CString CColoredList::copiedText()
{
    CString text, entry;
    for (int i = 0; i < GetCount(); ++i) {
        CListBox::GetText(i, entry);
        if (!entry.IsEmpty()) text += entry + L"\n";
    }
    return text;
}

void CColoredList::copyToClipboard(const CString& text)
{
    // Prepared first, so that a failure leaves the clipboard as it was.
    const SIZE_T bytes = ((SIZE_T)text.GetLength() + 1) * sizeof(wchar_t);
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (!block) return;
    if (void* memory = GlobalLock(block)) {
        std::memcpy(memory, text.GetString(), bytes);
        GlobalUnlock(block);
        if (OpenClipboard(m_hWnd)) {
            EmptyClipboard();
            if (SetClipboardData(CF_UNICODETEXT, block)) block = nullptr; // the clipboard's now
            CloseClipboard();
        }
    }
    if (block) GlobalFree(block);
}

} // namespace NVorel
