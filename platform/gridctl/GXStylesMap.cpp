#include "gridctl/GXStylesMap.h"

#include "gridctl/GXProfile.h"
#include "gridctl/GXSysData.h"

#include <cwchar>

namespace {

CGXStyle standardStyle()
{
    CGXStyle s;
    s.SetValue(L"")
        .SetValueType(GX_VT_STRING)
        .SetControl(GX_IDS_CTRL_EDIT)
        .SetChoiceList(L"")
        .SetInterior(GXGetSysData()->GetSysColor(COLOR_WINDOW))
        .SetTextColor(GXGetSysData()->GetSysColor(COLOR_WINDOWTEXT))
        .SetFont(CGXFont().SetFaceName(L"Arial").SetSize(10).SetBold(FALSE))
        .SetHorizontalAlignment(0)
        .SetVerticalAlignment(0)
        .SetWrapText(FALSE)
        .SetDraw3dFrame(gxFrameNormal)
        .SetReadOnly(FALSE)
        .SetEnabled(TRUE);
    return s;
}

// Header cells: centred, on the button face, in raised frames with the header
// control; column titles may run over several lines.
CGXStyle headerStyle(BOOL bWrap)
{
    CGXStyle s;
    s.SetControl(GX_IDS_CTRL_HEADER)
        .SetInterior(GXGetSysData()->GetSysColor(COLOR_BTNFACE))
        .SetTextColor(GXGetSysData()->GetSysColor(COLOR_BTNTEXT))
        .SetHorizontalAlignment(1)
        .SetVerticalAlignment(4)
        .SetWrapText(bWrap)
        .SetDraw3dFrame(gxFrameRaised)
        .SetReadOnly(TRUE);
    return s;
}

// A whole decimal number, or nothing.
bool readInteger(const CString& text, long& value)
{
    if (text.IsEmpty())
        return false;
    wchar_t* end = nullptr;
    value = std::wcstol(text.GetString(), &end, 10);
    return *end == 0;
}

void applyProfile(const CString& name, CGXStyle& style)
{
    const auto read = [&](LPCWSTR key) { return platform::GetGridProfileString(name, key); };
    long n = 0;
    if (CString face = read(L"FaceName"); !face.IsEmpty())
        style.SetFont(CGXFont().SetFaceName(face));
    if (readInteger(read(L"Size"), n) && n > 0)
        style.SetFont(CGXFont().SetSize((double)n));
    if (readInteger(read(L"Bold"), n))
        style.SetFont(CGXFont().SetBold(n != 0));
    if (readInteger(read(L"WrapText"), n))
        style.SetWrapText(n != 0);
    if (readInteger(read(L"Interior"), n))
        style.SetInterior((COLORREF)n);
    if (readInteger(read(L"TextColor"), n))
        style.SetTextColor((COLORREF)n);
    if (readInteger(read(L"HorzAlign"), n))
        style.SetHorizontalAlignment((DWORD)n);
    if (readInteger(read(L"VertAlign"), n))
        style.SetVerticalAlignment((DWORD)n);
}

} // namespace

void CGXStylesMap::CreateStandardStyles()
{
    m_wStyleStandard = RegisterStyle(L"Standard", standardStyle());
    m_wStyleRowHeader = RegisterStyle(L"Row Header", headerStyle(FALSE));
    m_wStyleColHeader = RegisterStyle(L"Column Header", headerStyle(TRUE));
}

void CGXStylesMap::ReadProfile()
{
    for (auto& [id, entry] : m_styles)
        applyProfile(entry.name, entry.style);
}

WORD CGXStylesMap::RegisterStyle(LPCTSTR pszName, const CGXStyle& style)
{
    WORD id = GetStyleId(pszName);
    if (id == 0)
        id = m_nextId++;
    m_styles[id] = Entry{CString(pszName), style};
    return id;
}

BOOL CGXStylesMap::LookupStyle(WORD wStyleId, CGXStyle*& pStyle)
{
    const auto it = m_styles.find(wStyleId);
    if (it == m_styles.end())
        return FALSE;
    pStyle = &it->second.style;
    return TRUE;
}

WORD CGXStylesMap::GetStyleId(LPCTSTR pszName) const
{
    for (const auto& [id, entry] : m_styles)
        if (entry.name.CompareNoCase(pszName) == 0)
            return id;
    return 0;
}
