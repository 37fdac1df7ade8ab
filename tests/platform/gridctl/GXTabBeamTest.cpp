#include "gridctl/GXTabBeam.h"

#include <gtest/gtest.h>

// The beam owns its fonts: replacing them must free the old pair (a leak
// otherwise) and a second DestroyFonts must not free them again.
TEST(GXTabBeam, DestroyFontsFreesBothFontsOnce)
{
    CGXTabBeam beam;
    beam.m_pFontCurrent = new CFont;
    beam.m_pFontNormal = new CFont;
    beam.DestroyFonts();
    EXPECT_EQ(beam.m_pFontCurrent, nullptr);
    EXPECT_EQ(beam.m_pFontNormal, nullptr);
    beam.DestroyFonts();
    beam.m_pFontNormal = new CFont; // freed by the destructor
}
