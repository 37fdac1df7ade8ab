#include "win/afx/ColorDialog.h"

#include "win/afx/DialogPrompts.h"

BOOL ChooseColorW(LPCHOOSECOLORW lpcc)
{
    if (!lpcc) return FALSE;
    const COLORREF initial = lpcc->Flags & CC_RGBINIT ? lpcc->rgbResult : 0;
    CString shown;
    shown.Format(L"#%02X%02X%02X", GetRValue(initial), GetGValue(initial), GetBValue(initial));
    COLORREF chosen = initial;
    if (!platform::dialogPrompts().answerColour(shown, chosen)) return FALSE;
    lpcc->rgbResult = chosen & 0x00FFFFFF;
    return TRUE;
}

CColorDialog::CColorDialog(COLORREF clrInit, DWORD dwFlags, CWnd* pParentWnd)
{
    m_pParentWnd = pParentWnd;
    m_cc.lStructSize = sizeof m_cc;
    m_cc.rgbResult = clrInit;
    m_cc.lpCustColors = m_custColors;
    m_cc.Flags = dwFlags | (clrInit ? CC_RGBINIT : 0);
}

INT_PTR CColorDialog::DoModal()
{
    m_cc.hwndOwner = m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr;
    return ChooseColorW(&m_cc) ? IDOK : IDCANCEL;
}
