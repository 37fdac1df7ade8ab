#pragma once
// CGXControl: the base of cell controls. A grid keeps one control object per
// control id (CGXGridCore::RegisterControl) and uses it for every cell whose
// style names that id; the control turns a cell value into what the cell
// shows and copies.
#include "gridctl/GXStyle.h"
#include "win/gdi/DC.h"
#include "win/gdi/Font.h"

#include <memory>

class CGXGridCore;

class CGXControl {
public:
    explicit CGXControl(CGXGridCore* pGrid) : m_pGrid(pGrid) {}
    CGXControl(const CGXControl&) = default;
    CGXControl& operator=(const CGXControl&) = default;
    virtual ~CGXControl() = default;

    CGXGridCore* Grid() const { return m_pGrid; }

    // The text of a cell with value pszRawValue, as the cell shows it and as
    // copying gives it. The base follows the built-in value conventions
    // (ControlTextOf).
    virtual BOOL GetControlText(CString& sResult, ROWCOL nRow, ROWCOL nCol, LPCTSTR pszRawValue,
                                const CGXStyle& style);

    // Draws the cell into rect: its interior, its 3-D frame and its text
    // (GetControlText) in its font, colour and alignment. The style is the
    // cell's composed style; pStandardStyle fills in what it leaves out.
    virtual void Draw(CDC* pDC, CRect rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                      const CGXStyle* pStandardStyle);

    // The built-in conventions by control id: the drop-down lists
    // GX_IDS_CTRL_ONEBASED and GX_IDS_CTRL_ZEROBASED show the choice-list line
    // that the value counts (empty when there is no such line); every other
    // control shows the value itself.
    static CString ControlTextOf(LPCTSTR pszRawValue, const CGXStyle& style);
    // The choice-list line that the value counts from nBase; empty when
    // there is no such line.
    static CString ChoiceLineOf(LPCTSTR pszRawValue, const CGXStyle& style, int nBase);

    // Space between a cell's edges and its text.
    static constexpr int GX_TEXT_MARGIN_X = 2;

    // --- Interaction. The grid opens a control's in-place editor on the
    // current cell (CGXGridCore::StartEditing), gives the open editor the
    // keys and characters, and gives a control the clicks on its cells.
    // Whether the control edits its cell's value as text.
    virtual BOOL CanEdit() const { return FALSE; }
    // Opens the editor with sText (the caret at its end); sValue is the
    // value the cell had, for telling whether the edit changed anything.
    virtual void StartEdit(const CString& sText, const CString& sValue);
    virtual BOOL IsActive() const { return FALSE; }
    // The value the editor holds; FALSE when it equals the cell's value.
    virtual BOOL GetEditValue(CString& sValue) const;
    virtual void StopEdit() {}
    // A key (WM_KEYDOWN) or character (WM_CHAR) for the open editor; TRUE
    // when the editor used it.
    virtual BOOL KeyPressed(UINT nMessage, UINT nChar, UINT nRepCnt = 1, UINT nFlags = 0);
    // A left click pressed and released on the cell (nRow, nCol) that lies
    // at rcCell; pt and rcCell in the grid's client coordinates. TRUE when
    // the control acted on it.
    virtual BOOL LButtonUp(UINT nFlags, CPoint pt, ROWCOL nRow, ROWCOL nCol, const CRect& rcCell);
    // A key pressed while the cell (nRow, nCol) is current and no editor is
    // open; TRUE when the control acted on it. The base acts on none.
    virtual BOOL KeyPressedOnCell(UINT nChar, ROWCOL nRow, ROWCOL nCol);

protected:
    // The steps of Draw, for controls that draw differently.
    virtual void DrawBackground(CDC* pDC, const CRect& rect, const CGXStyle& style);
    // Leaves in rect what lies inside the frame.
    virtual void DrawFrame(CDC* pDC, CRect& rect, const CGXStyle& style);
    virtual void DrawCellText(CDC* pDC, const CRect& rect, const CString& text, const CGXStyle& style);

    // The style Draw works with: the cell's, completed by the standard style.
    static CGXStyle FullStyle(const CGXStyle& style, const CGXStyle* pStandardStyle);
    // Colours may carry the grid library's mark in their top byte.
    static COLORREF PlainColor(COLORREF cr) { return cr & 0x00FFFFFF; }
    // Selects the style's font into the DC (for text and its measuring) and
    // restores the previous one when it goes. The control keeps the font for
    // the next cell, as most of its cells share one.
    class FontScope {
    public:
        FontScope(CGXControl& control, CDC* pDC, const CGXStyle& style);
        ~FontScope();
        FontScope(const FontScope&) = delete;
        FontScope& operator=(const FontScope&) = delete;

    private:
        CGXControl& m_control;
        CDC* m_pDC;
        std::unique_ptr<CFont> m_pOwnFont; // while the kept font is in use
        bool m_bKept = false;
        HGDIOBJ m_hOld = nullptr;
    };
    // The cell's composed style (the one Draw gets, without the highlight).
    CGXStyle CellStyle(ROWCOL nRow, ROWCOL nCol) const;
    // Whether the user may change the cell: enabled and not read-only.
    static BOOL IsChangeable(const CGXStyle& style) { return style.GetEnabled() && !style.GetReadOnly(); }
    // Stores a value the user gave the cell without the text editor: the
    // grid's OnStartEditing is asked first, as for typing.
    BOOL StoreUserValue(ROWCOL nRow, ROWCOL nCol, const CString& sValue);

private:
    // The font last selected by a FontScope and its description, and the
    // style's font and the DPI it was last made from (which give that
    // description without working it out again); a copy of the control
    // starts without one.
    struct KeptFont {
        KeptFont() = default;
        KeptFont(const KeptFont&) {}
        KeptFont& operator=(const KeptFont&) { return *this; }
        LOGFONTW lf{};
        CGXFont font;
        int nDpi = 0;
        std::unique_ptr<CFont> pFont;
        int nInUse = 0;
    };

    void drawWrapped(CDC* pDC, CRect rect, const CString& text, const CGXStyle& style);

    CGXGridCore* m_pGrid;
    KeptFont m_keptFont;
    CGXStyle m_drawStyle;
};
