#pragma once
// A white canvas with a font selected, for tests that draw or measure text.
#include "support/PixelCanvas.h"

#include <gtest/gtest.h>

#include <cwchar>

namespace testsupport {

inline LOGFONTW logFont(const wchar_t* face, LONG height, LONG weight = FW_NORMAL, BYTE italic = 0)
{
    LOGFONTW lf{};
    lf.lfHeight = height;
    lf.lfWeight = weight;
    lf.lfItalic = italic;
    std::wcsncpy(lf.lfFaceName, face, LF_FACESIZE - 1);
    return lf;
}

class TextCanvas : public PixelCanvas {
public:
    TextCanvas(int width, int height, const LOGFONTW& lf = logFont(L"Arial", -16))
        : PixelCanvas(width, height, colours::white)
    {
        EXPECT_TRUE(font.CreateFontIndirect(&lf));
        m_old = dc.SelectObject(&font);
    }
    ~TextCanvas() { dc.SelectObject(m_old); }

    CSize extent(const CString& text) { return dc.GetTextExtent(text); }

    CFont font;

private:
    CFont* m_old;
};

} // namespace testsupport
