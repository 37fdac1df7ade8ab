#pragma once
// Text measured as a document table measures it: Arial 236 units high, plain
// or bold, on a memory DC; the independent yardstick for the fitting tests.
#include "win/Afx.h"

#include <string>

class ArialTwips {
public:
    ArialTwips()
    {
        m_dc.CreateCompatibleDC(nullptr);
        for (int bold = 0; bold < 2; ++bold) {
            LOGFONTW lf{};
            wcscpy(lf.lfFaceName, L"Arial");
            lf.lfHeight = 236;
            lf.lfWeight = bold ? 700 : 400;
            m_fonts[bold].CreateFontIndirect(&lf);
        }
        m_pOld = m_dc.SelectObject(&m_fonts[0]);
    }
    ~ArialTwips() { m_dc.SelectObject(m_pOld); }

    int operator()(const std::wstring& text, bool bBold)
    {
        m_dc.SelectObject(&m_fonts[bBold]);
        return m_dc.GetTextExtent(text.c_str(), (int)text.size()).cx;
    }

private:
    CDC m_dc;
    CFont m_fonts[2];
    CFont* m_pOld = nullptr;
};
