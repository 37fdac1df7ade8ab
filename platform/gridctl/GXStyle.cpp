#include "gridctl/GXStyle.h"

#include <algorithm>
#include <climits>
#include <cwctype>

namespace {

const CString& emptyText()
{
    static const CString empty;
    return empty;
}

} // namespace

template <class F> void CGXStyle::forEachAttribute(F f)
{
    f(&CGXStyle::m_value);
    f(&CGXStyle::m_valueType);
    f(&CGXStyle::m_control);
    f(&CGXStyle::m_choiceList);
    f(&CGXStyle::m_interior);
    f(&CGXStyle::m_textColor);
    f(&CGXStyle::m_horzAlign);
    f(&CGXStyle::m_vertAlign);
    f(&CGXStyle::m_wrapText);
    f(&CGXStyle::m_frame);
    f(&CGXStyle::m_readOnly);
    f(&CGXStyle::m_enabled);
}

CGXStyle& CGXStyle::SetValue(LPCTSTR pszValue)
{
    m_value.assign(pszValue ? pszValue : L"");
    return *this;
}

CGXStyle& CGXStyle::SetValue(DWORD dwValue)
{
    CString s;
    s.Format(L"%u", (unsigned)dwValue);
    return SetValue(s);
}

CGXStyle& CGXStyle::SetValue(int nValue)
{
    CString s;
    s.Format(L"%d", nValue);
    return SetValue(s);
}

CGXStyle& CGXStyle::SetValue(long lValue)
{
    CString s;
    s.Format(L"%ld", lValue);
    return SetValue(s);
}

CGXStyle& CGXStyle::SetValue(short nValue)
{
    return SetValue((int)nValue);
}

// Leading spaces, an optional sign and digits; saturates instead of
// overflowing.
long long CGXStyle::leadingInteger() const
{
    const wchar_t* p = GetValue().GetString();
    while (std::iswspace(*p))
        ++p;
    const bool negative = *p == L'-';
    if (*p == L'-' || *p == L'+')
        ++p;
    long long v = 0;
    for (; *p >= L'0' && *p <= L'9'; ++p)
        v = std::min(v * 10 + (*p - L'0'), (long long)UINT_MAX + 1);
    return negative ? -v : v;
}

// Negative values wrap as the 32-bit pattern they stand for ("-1" is
// 0xFFFFFFFF), larger ones are capped.
DWORD CGXStyle::GetDWordValue() const
{
    const long long v = leadingInteger();
    if (v < 0)
        return (DWORD)(int32_t)std::max(v, (long long)INT32_MIN);
    return (DWORD)std::min(v, (long long)UINT_MAX);
}

short CGXStyle::GetShortValue() const
{
    return (short)std::clamp(leadingInteger(), (long long)SHRT_MIN, (long long)SHRT_MAX);
}

long CGXStyle::GetLongValue() const
{
    return (long)leadingInteger();
}

const CString& CGXStyle::GetChoiceList() const
{
    return m_choiceList ? *m_choiceList : emptyText();
}

BOOL CGXStyle::GetChoiceListLine(int nLine, CString& sLine) const
{
    const CString& list = GetChoiceList();
    // A line feed ends a line; one at the very end opens no further line.
    int start = 0;
    for (int i = 0; i < nLine && start >= 0; ++i) {
        start = list.Find(L'\n', start);
        start = start < 0 ? -1 : start + 1;
    }
    if (nLine < 0 || start < 0 || start >= list.GetLength())
        return FALSE;
    const int end = list.Find(L'\n', start);
    sLine = end < 0 ? list.Mid(start) : list.Mid(start, end - start);
    if (!sLine.IsEmpty() && sLine[sLine.GetLength() - 1] == L'\r')
        sLine = sLine.Left(sLine.GetLength() - 1);
    return TRUE;
}

CGXStyle& CGXStyle::SetFont(const CGXFont& font, GXModifyType mt)
{
    m_font.ChangeFont(font, mt);
    return *this;
}

CGXStyle& CGXStyle::SetIncludeFont(BOOL b)
{
    if (!b)
        m_font = CGXFont();
    return *this;
}

void CGXStyle::Free()
{
    forEachAttribute([&](auto member) { (this->*member).reset(); });
    m_font.Free();
}

CGXStyle& CGXStyle::ChangeStyle(const CGXStyle& style, GXModifyType mt)
{
    forEachAttribute([&](auto member) { gxdetail::changeAttribute(this->*member, style.*member, mt); });
    m_font.ChangeFont(style.m_font, mt);
    return *this;
}
