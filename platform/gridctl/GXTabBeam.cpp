#include "gridctl/GXTabBeam.h"

void CGXTabBeam::DestroyFonts()
{
    delete m_pFontCurrent;
    delete m_pFontNormal;
    m_pFontCurrent = nullptr;
    m_pFontNormal = nullptr;
}
