#include "win/afx/ProgressCtrl.h"

BOOL CProgressCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create(PROGRESS_CLASS, nullptr, dwStyle, rect, pParentWnd, nID);
}

void CProgressCtrl::GetRange(int& nLower, int& nUpper) const
{
    PBRANGE range{0, 0};
    ::SendMessageW(m_hWnd, PBM_GETRANGE, TRUE, (LPARAM)&range);
    nLower = range.iLow;
    nUpper = range.iHigh;
}
