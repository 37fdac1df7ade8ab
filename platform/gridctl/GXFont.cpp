#include "gridctl/GXFont.h"

#include "gridctl/GXAttribute.h"
#include "win/desktop/Desktop.h"

#include <cmath>
#include <cwchar>

template <class F> void CGXFont::forEachAttribute(F f)
{
    f(&CGXFont::m_face);
    f(&CGXFont::m_size);
    f(&CGXFont::m_bold);
}

CGXFont& CGXFont::SetFaceName(LPCTSTR pszFaceName)
{
    m_face.assign(pszFaceName);
    return *this;
}

void CGXFont::Free()
{
    forEachAttribute([&](auto member) { (this->*member).reset(); });
}

CGXFont& CGXFont::SetSize(double dPoints)
{
    m_size = dPoints;
    return *this;
}

CGXFont& CGXFont::SetBold(BOOL bBold)
{
    m_bold = bBold ? TRUE : FALSE;
    return *this;
}

CGXFont& CGXFont::SetIncludeFaceName(BOOL bInclude)
{
    gxdetail::includeAttribute(m_face, bInclude);
    return *this;
}

CGXFont& CGXFont::SetIncludeSize(BOOL bInclude)
{
    gxdetail::includeAttribute(m_size, bInclude);
    return *this;
}

CGXFont& CGXFont::SetIncludeBold(BOOL bInclude)
{
    gxdetail::includeAttribute(m_bold, bInclude);
    return *this;
}

CGXFont& CGXFont::ChangeFont(const CGXFont& font, GXModifyType mt)
{
    forEachAttribute([&](auto member) { gxdetail::changeAttribute(this->*member, font.*member, mt); });
    return *this;
}

void CGXFont::GetLogFont(LOGFONT& lf, int nZoom) const
{
    lf = LOGFONT{};
    lf.lfHeight = -(LONG)std::lround(GetSize() * nZoom / 100.0 * platform::desktop().dpi() / 72.0);
    lf.lfWeight = GetBold() ? FW_BOLD : FW_NORMAL;
    lf.lfCharSet = DEFAULT_CHARSET;
    std::wcsncpy(lf.lfFaceName, (*m_face).GetString(), LF_FACESIZE - 1);
}
