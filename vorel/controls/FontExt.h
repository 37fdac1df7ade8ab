#pragma once
// CFontExt: a font that carries its own description, with chainable setters and
// a select/restore pair that remembers where it was selected.
#include "win/Afx.h"

namespace NVorel {

class CFontExt : public CFont {
public:
    CFontExt();                       // Arial, 12 pixels, normal weight
    explicit CFontExt(CFont* pFont);  // the description of pFont, created at once
    ~CFontExt() override;

    // The setters change the description only, never a GDI font already made.
    CFontExt& SetLogFont(const LOGFONTW& lf);
    CFontExt& SetCharSet(short nCharSet);
    // At most 31 characters are kept.
    CFontExt& SetFace(CString strFace);
    // A character height in pixels for CreateDeviceFont, tenths of a point for
    // CreatePointFont.
    CFontExt& SetSize(unsigned int nSize);
    CFontExt& SetBold(bool bBold);
    CFontExt& SetItalic(bool bItalic);

    bool CreateDeviceFont();
    bool CreatePointFont();
    // With a font: take its description and create from it. With null: height 16,
    // nothing created, false.
    bool Create(CFont* pFont);

    // Selects the font into pDC after undoing the last Set; without a GDI font
    // nothing is selected.
    void Set(CDC* pDC) const;
    void Restore() const;

    // An estimate of the average character width: 0.7 of the height.
    int GetWidth() const;
    int GetHeight() const;

    const LOGFONTW& GetLogFontDescription() const { return m_lf; }

private:
    LOGFONTW m_lf{};
    mutable CDC* m_pDC = nullptr;
    mutable CFont* m_pOldFont = nullptr;
};

} // namespace NVorel
