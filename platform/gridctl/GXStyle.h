#pragma once
// CGXStyle: everything a cell shows and how it behaves, as a set of optional
// attributes. An attribute that is not set ("not included") is taken from the
// style the cell's style is combined with (header, standard style); see
// CGXGridCore::ComposeStyleRowCol.
//
// The value is always kept as text; the numeric setters write it in decimal
// and the numeric readers read the leading integer of the text (0 when there
// is none), so a value stored as one type can be read as another.
#include "gridctl/GXAttribute.h"
#include "gridctl/GXFont.h"
#include "gridctl/GXIds.h"
#include "win/kernel/String.h"

#include <optional>

class CGXStyle {
public:
    // Value. DWORD and UINT are the same type here, so one setter serves both.
    CGXStyle& SetValue(LPCTSTR pszValue);
    CGXStyle& SetValue(DWORD dwValue);
    CGXStyle& SetValue(int nValue);
    CGXStyle& SetValue(long lValue);
    CGXStyle& SetValue(short nValue);
    // The kept text is empty while unset.
    const CString& GetValue() const { return *m_value; }
    DWORD GetDWordValue() const;
    UINT GetUIntValue() const { return GetDWordValue(); }
    short GetShortValue() const;
    long GetLongValue() const;

    CGXStyle& SetValueType(DWORD nType) { m_valueType = nType; return *this; }
    DWORD GetValueType() const { return m_valueType.value_or(GX_VT_STRING); }

    // Id of the cell control (GX_IDS_CTRL_... or an id the host registered).
    CGXStyle& SetControl(WORD nControl) { m_control = nControl; return *this; }
    WORD GetControl() const { return m_control.value_or(0); }

    // Lines separated by line feeds; a carriage return before a line feed
    // belongs to the line break.
    CGXStyle& SetChoiceList(LPCTSTR pszList) { m_choiceList = CString(pszList); return *this; }
    const CString& GetChoiceList() const;
    // Line nLine (from 0) of the choice list; FALSE when there is no such line.
    BOOL GetChoiceListLine(int nLine, CString& sLine) const;

    // Colours as given; the high byte is kept (a mark of the caller's).
    CGXStyle& SetInterior(COLORREF color) { m_interior = color; return *this; }
    COLORREF GetInterior() const { return m_interior.value_or(0); }
    CGXStyle& SetTextColor(COLORREF color) { m_textColor = color; return *this; }
    COLORREF GetTextColor() const { return m_textColor.value_or(0); }

    // The font is combined attribute by attribute: gxOverride sets the
    // attributes that the given font includes, gxCopy replaces the font.
    CGXStyle& SetFont(const CGXFont& font, GXModifyType mt = gxOverride);
    const CGXFont& GetFont() const { return m_font; }

    // Text alignment: horizontal 0 left, 1 centre, 2 right; vertical 0 top,
    // 4 centre, 8 bottom (the DT_ values of DrawText).
    CGXStyle& SetHorizontalAlignment(DWORD nAlign) { m_horzAlign = nAlign; return *this; }
    DWORD GetHorizontalAlignment() const { return m_horzAlign.value_or(0); }
    CGXStyle& SetVerticalAlignment(DWORD nAlign) { m_vertAlign = nAlign; return *this; }
    DWORD GetVerticalAlignment() const { return m_vertAlign.value_or(0); }

    CGXStyle& SetWrapText(BOOL b) { m_wrapText = b ? TRUE : FALSE; return *this; }
    BOOL GetWrapText() const { return m_wrapText.value_or(FALSE); }
    CGXStyle& SetDraw3dFrame(GXDraw3dFrameType t) { m_frame = t; return *this; }
    GXDraw3dFrameType GetDraw3dFrame() const { return m_frame.value_or(gxFrameNormal); }
    CGXStyle& SetReadOnly(BOOL b) { m_readOnly = b ? TRUE : FALSE; return *this; }
    BOOL GetReadOnly() const { return m_readOnly.value_or(FALSE); }
    // A cell is enabled unless its style says otherwise.
    CGXStyle& SetEnabled(BOOL b) { m_enabled = b ? TRUE : FALSE; return *this; }
    BOOL GetEnabled() const { return m_enabled.value_or(TRUE); }

    // Include state per attribute.
    BOOL GetIncludeValue() const { return (bool)m_value; }
    BOOL GetIncludeValueType() const { return m_valueType.has_value(); }
    BOOL GetIncludeControl() const { return m_control.has_value(); }
    BOOL GetIncludeChoiceList() const { return m_choiceList.has_value(); }
    BOOL GetIncludeInterior() const { return m_interior.has_value(); }
    BOOL GetIncludeTextColor() const { return m_textColor.has_value(); }
    BOOL GetIncludeFont() const { return !m_font.IsEmpty(); }
    BOOL GetIncludeHorizontalAlignment() const { return m_horzAlign.has_value(); }
    BOOL GetIncludeVerticalAlignment() const { return m_vertAlign.has_value(); }
    BOOL GetIncludeWrapText() const { return m_wrapText.has_value(); }
    BOOL GetIncludeDraw3dFrame() const { return m_frame.has_value(); }
    BOOL GetIncludeReadOnly() const { return m_readOnly.has_value(); }
    BOOL GetIncludeEnabled() const { return m_enabled.has_value(); }
    CGXStyle& SetIncludeValue(BOOL b) { gxdetail::includeAttribute(m_value, b); return *this; }
    CGXStyle& SetIncludeControl(BOOL b) { gxdetail::includeAttribute(m_control, b); return *this; }
    CGXStyle& SetIncludeInterior(BOOL b) { gxdetail::includeAttribute(m_interior, b); return *this; }
    CGXStyle& SetIncludeFont(BOOL b);
    CGXStyle& SetIncludeReadOnly(BOOL b) { gxdetail::includeAttribute(m_readOnly, b); return *this; }
    CGXStyle& SetIncludeEnabled(BOOL b) { gxdetail::includeAttribute(m_enabled, b); return *this; }

    // Combines `style` into this one (see GXModifyType).
    CGXStyle& ChangeStyle(const CGXStyle& style, GXModifyType mt);
    // No attribute set.
    BOOL IsEmpty() const { return *this == CGXStyle(); }
    // Unsets every attribute; the value's and the face's buffers stay for
    // the next ones.
    void Free();

    friend bool operator==(const CGXStyle&, const CGXStyle&) = default;

private:
    template <class F> static void forEachAttribute(F f);
    long long leadingInteger() const;

    gxdetail::KeptText m_value;
    std::optional<DWORD> m_valueType;
    std::optional<WORD> m_control;
    std::optional<CString> m_choiceList;
    std::optional<COLORREF> m_interior;
    std::optional<COLORREF> m_textColor;
    CGXFont m_font;
    std::optional<DWORD> m_horzAlign;
    std::optional<DWORD> m_vertAlign;
    std::optional<BOOL> m_wrapText;
    std::optional<GXDraw3dFrameType> m_frame;
    std::optional<BOOL> m_readOnly;
    std::optional<BOOL> m_enabled;
};
