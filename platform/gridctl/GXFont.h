#pragma once
// CGXFont: the font attributes of a cell style. Every attribute may be left
// unset, so that a style can say "bold" and take face and size from the
// style it is combined with.
#include "gridctl/GXAttribute.h"
#include "gridctl/GXIds.h"
#include "win/gdi/GdiTypes.h"
#include "win/kernel/String.h"

#include <optional>

class CGXFont {
public:
    CGXFont& SetFaceName(LPCTSTR pszFaceName);
    CGXFont& SetSize(double dPoints);
    CGXFont& SetBold(BOOL bBold);

    // Readers give the attribute, or its default (empty face, 0 points,
    // not bold) when it is unset.
    CString GetFaceName() const { return *m_face; }
    double GetSize() const { return m_size.value_or(0.0); }
    BOOL GetBold() const { return m_bold.value_or(FALSE); }

    BOOL GetIncludeFaceName() const { return (bool)m_face; }
    BOOL GetIncludeSize() const { return m_size.has_value(); }
    BOOL GetIncludeBold() const { return m_bold.has_value(); }
    CGXFont& SetIncludeFaceName(BOOL bInclude);
    CGXFont& SetIncludeSize(BOOL bInclude);
    CGXFont& SetIncludeBold(BOOL bInclude);
    // No attribute set.
    BOOL IsEmpty() const { return !m_face && !m_size && !m_bold; }
    // Unsets every attribute; the face's buffer stays for the next face.
    void Free();

    // The font as a LOGFONT for a zoom in percent: character height from the
    // size at the desktop's DPI (0, a default size, without a size), weight
    // 700 or 400, the face (truncated to LF_FACESIZE - 1 characters).
    void GetLogFont(LOGFONT& lf, int nZoom) const;

    // Combines font attributes the way CGXStyle::ChangeStyle combines styles.
    CGXFont& ChangeFont(const CGXFont& font, GXModifyType mt);

    friend bool operator==(const CGXFont&, const CGXFont&) = default;

private:
    template <class F> static void forEachAttribute(F f);

    gxdetail::KeptText m_face; // a style composed again and again keeps its buffer
    std::optional<double> m_size;
    std::optional<BOOL> m_bold;
};
