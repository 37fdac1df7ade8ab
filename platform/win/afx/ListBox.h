#pragma once
// CListBox: the MFC object of a list box control (win/user/ListBoxControl.cpp). An
// owner-drawn list's WM_MEASUREITEM and WM_DRAWITEM, sent to its parent, come
// back to the object's MeasureItem and DrawItem (CWnd::OnChildNotify).
#include "win/user/Controls.h"
#include "win/afx/Wnd.h"

class CListBox : public CWnd {
public:
    // A list box child window (WS_CHILD is added).
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    int AddString(LPCWSTR lpszItem) { return (int)SendMessage(LB_ADDSTRING, 0, (LPARAM)lpszItem); }
    int InsertString(int nIndex, LPCWSTR lpszItem)
    {
        return (int)SendMessage(LB_INSERTSTRING, (WPARAM)nIndex, (LPARAM)lpszItem);
    }
    int DeleteString(UINT nIndex) { return (int)SendMessage(LB_DELETESTRING, nIndex); }
    void ResetContent() { SendMessage(LB_RESETCONTENT); }
    int GetCount() const { return (int)send(LB_GETCOUNT); }
    // LB_ERR for an index without an entry (the string is then empty).
    int GetText(int nIndex, CString& rString) const;
    int GetTextLen(int nIndex) const { return (int)send(LB_GETTEXTLEN, (WPARAM)nIndex); }
    DWORD_PTR GetItemData(int nIndex) const { return (DWORD_PTR)send(LB_GETITEMDATA, (WPARAM)nIndex); }
    int SetItemData(int nIndex, DWORD_PTR dwItemData)
    {
        return (int)SendMessage(LB_SETITEMDATA, (WPARAM)nIndex, (LPARAM)dwItemData);
    }
    int GetTopIndex() const { return (int)send(LB_GETTOPINDEX); }
    int SetTopIndex(int nIndex) { return (int)SendMessage(LB_SETTOPINDEX, (WPARAM)nIndex); }
    int GetHorizontalExtent() const { return (int)send(LB_GETHORIZONTALEXTENT); }
    void SetHorizontalExtent(int cxExtent) { SendMessage(LB_SETHORIZONTALEXTENT, (WPARAM)cxExtent); }
    int GetItemRect(int nIndex, LPRECT lpRect) const
    {
        return (int)send(LB_GETITEMRECT, (WPARAM)nIndex, (LPARAM)lpRect);
    }
    int GetItemHeight(int nIndex) const { return (int)send(LB_GETITEMHEIGHT, (WPARAM)nIndex); }
    // The selected entry of a single-selection list (LB_ERR when none); -1
    // clears the selection.
    int GetCurSel() const { return (int)send(LB_GETCURSEL); }
    int SetCurSel(int nSelect) { return (int)SendMessage(LB_SETCURSEL, (WPARAM)nSelect); }
    // The entry nearest to the client point; bOutside when the point is not
    // on an entry.
    UINT ItemFromPoint(CPoint pt, BOOL& bOutside) const;

    // The owner-draw slots; they do nothing here.
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
    virtual void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct);

protected:
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

private:
    LRESULT send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return ::SendMessageW(m_hWnd, message, wParam, lParam);
    }
};
