#pragma once
// CPopupLabel: a small borderless label window beside the mouse, like a
// tooltip, showing one plain text or rich text: coloured runs in lines and
// aligned columns. It lives in its parent's client area (positions are parent
// client coordinates) and paints background, frame and text in one pass
// through an off-screen bitmap, so it never flickers while it follows the
// mouse. The window comes from dialog template 115 of the language module;
// texts and measures need it, so Create comes first.
//
// Sizes: the text block is the text's extent (rich text: the widest line, one
// font height plus a line height of 5/4 font height per further line); the
// label is that plus the margin (6, 4) on each side, and its window is two
// pixels wider still. A single-line plain text wider than the maximum width is
// cut to the maximum and ends in " ...".
//
// Beyond the classic contract:
// - plain text with line feeds is sized for all its lines (never cut);
// - rich text columns are laid out until every column starts where the widest
//   cell before it ends, on every line, and the label is wide enough for all
//   of them; a cell left empty moves the next column to its place too;
// - a negative maximum width counts as 0;
// - the label also paints itself when the system repaints it (shown, moved,
//   uncovered), and it is transparent to the mouse, which reaches the window
//   under it.
#include "win/Afx.h"

#include <vector>

namespace NVorel {

class CPopupLabel : public CDialog {
public:
    static constexpr COLORREF DEFAULT_COLOR = 0xFF000000;
    enum { TEXT = 0, NEW_LINE = 1, NEXT_COLUMN = 2 };
    enum { IDD = 115 };

    // One run of rich text.
    struct TextItem {
        COLORREF m_crColor = DEFAULT_COLOR; // DEFAULT_COLOR: the label's text colour
        CString m_strText;                  // the text of a run (kind TEXT)
        int m_nKind = TEXT;
    };

    explicit CPopupLabel(int nMaxWidth);
    ~CPopupLabel() override;

    // The window, a child of pParent, from the language module's template.
    int Create(CWnd* pParent);
    // No repaint.
    void SetColors(COLORREF back, COLORREF frame, COLORREF text);
    // "Arial", nHeight pixels high, in the character set of the selected language.
    void SetFont(unsigned short nHeight);
    void SetMaxWidth(int nMaxWidth);
    // Plain text; rich text set before keeps being painted until SetRichText
    // gets an empty list.
    void SetText(const CString& text);
    void SetRichText(const std::vector<TextItem>& items);
    // Places, sizes and repaints the window (parent client coordinates).
    void Move(const CPoint& pt);
    int GetWidth();
    int GetHeight();

protected:
    int GetFontH();
    int GetGap();
    int GetLineH();

    void DoDataExchange(CDataExchange* pDX) override;
    afx_msg void OnNcPaint();
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg LRESULT OnNcHitTest(WPARAM wParam, LPARAM lParam);

    CBrush m_brush;
    COLORREF m_crBack = 0x00EAFFFF;
    COLORREF m_crText = 0x00000000;
    CFont m_font;
    CString m_text;
    std::vector<TextItem> m_items;
    std::vector<int> m_vColEnd; // per column, where it ends from the text's left edge
    CSize m_szMargin{6, 4};
    int m_nFontH = -1;
    int m_nGap = -1;
    CSize m_szText{100, 18};
    int m_nMaxWidth;

    DECLARE_MESSAGE_MAP()

private:
    class CFontDC;
    void layoutPass(CDC& dc, const std::vector<TextItem>& items, int lineH, int gap);
    void paintLabel();
    void paintRuns(CDC& dc, const CRect& tr);
};

} // namespace NVorel
