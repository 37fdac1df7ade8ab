#include "controls/FontExt.h"

#include <climits>
#include <cstdlib>
#include <cwchar>

namespace NVorel {

CFontExt::CFontExt()
{
    m_lf.lfHeight = -12;
    m_lf.lfWeight = 400;
    SetFace(L"Arial");
}

CFontExt::CFontExt(CFont* pFont)
{
    Create(pFont);
}

CFontExt::~CFontExt()
{
    Restore();
}

CFontExt& CFontExt::SetLogFont(const LOGFONTW& lf)
{
    m_lf = lf;
    return *this;
}

CFontExt& CFontExt::SetCharSet(short nCharSet)
{
    m_lf.lfCharSet = (BYTE)(nCharSet & 0xFF);
    return *this;
}

CFontExt& CFontExt::SetFace(CString strFace)
{
    const int n = std::min(strFace.GetLength(), LF_FACESIZE - 1);
    std::wmemcpy(m_lf.lfFaceName, strFace.GetString(), (size_t)n);
    m_lf.lfFaceName[n] = L'\0';
    return *this;
}

CFontExt& CFontExt::SetSize(unsigned int nSize)
{
    m_lf.lfHeight = -(LONG)nSize;
    return *this;
}

CFontExt& CFontExt::SetBold(bool bBold)
{
    m_lf.lfWeight = bBold ? 700 : 400;
    return *this;
}

CFontExt& CFontExt::SetItalic(bool bItalic)
{
    m_lf.lfItalic = bItalic ? 1 : 0;
    return *this;
}

bool CFontExt::CreateDeviceFont()
{
    return CreateFontIndirectW(&m_lf) != FALSE;
}

bool CFontExt::CreatePointFont()
{
    return CreatePointFontIndirect(&m_lf, nullptr) != FALSE;
}

bool CFontExt::Create(CFont* pFont)
{
    if (!pFont) {
        m_lf.lfHeight = 16;
        return false;
    }
    pFont->GetObject(sizeof(LOGFONTW), &m_lf);
    return CreateDeviceFont();
}

void CFontExt::Set(CDC* pDC) const
{
    Restore();
    if (!GetSafeHandle()) return;
    m_pDC = pDC;
    if (pDC) m_pOldFont = pDC->SelectObject(const_cast<CFontExt*>(this));
}

void CFontExt::Restore() const
{
    if (m_pDC && m_pOldFont) m_pDC->SelectObject(m_pOldFont);
    m_pDC = nullptr;
    m_pOldFont = nullptr;
}

int CFontExt::GetWidth() const
{
    return (int)(0.7 * GetHeight());
}

int CFontExt::GetHeight() const
{
    return (int)std::min<long long>(std::llabs((long long)m_lf.lfHeight), INT_MAX);
}

} // namespace NVorel
