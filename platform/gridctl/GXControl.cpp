#include "gridctl/GXControl.h"

BOOL CGXControl::GetControlText(CString& sResult, ROWCOL, ROWCOL, LPCTSTR pszRawValue, const CGXStyle& style)
{
    sResult = ControlTextOf(pszRawValue, style);
    return TRUE;
}

CString CGXControl::ControlTextOf(LPCTSTR pszRawValue, const CGXStyle& style)
{
    const WORD id = style.GetControl();
    if (id != GX_IDS_CTRL_ONEBASED && id != GX_IDS_CTRL_ZEROBASED)
        return CString(pszRawValue);
    const long line = CGXStyle().SetValue(pszRawValue).GetLongValue() - (id == GX_IDS_CTRL_ONEBASED ? 1 : 0);
    CString text;
    if (line < 0 || line > INT32_MAX || !style.GetChoiceListLine((int)line, text))
        return CString();
    return text;
}
