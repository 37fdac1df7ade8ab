#pragma once
// CColoredList: an owner-drawn list box whose entries each have their own text
// colour (kept as the entry's item data). Entries are measured in the system's
// menu font, the horizontal extent follows the widest entry measured so far
// (it never shrinks), and Ctrl+C copies every non-empty entry, one per line,
// as plain text. No other key does anything; the selection is not drawn.
//
// Whoever creates the window gives it LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS,
// usually WS_HSCROLL too (the message dialog's template does).
//
// Beyond the classic contract: texts are measured and drawn with '&' as it is
// (no mnemonics in messages); Ctrl+C opens the clipboard for the list's own
// window, so that the clipboard takes the text, sizes the block by the wide
// character of CF_UNICODETEXT, prepares it before emptying the clipboard and
// frees it whenever the clipboard did not take it.
#include "win/Afx.h"

namespace NVorel {

class CColoredList : public CListBox {
public:
    CColoredList();
    ~CColoredList() override;

    using CListBox::GetText;

    // Appends the entry in that colour; the index LB_ADDSTRING gave.
    int AddColoredString(const wchar_t* text, COLORREF colour);

protected:
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
    void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) override;
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);

    // The entry's text with a space on each side, as it is drawn (two spaces
    // for an index without an entry).
    CString GetText(int nIndex);
    // The entry's colour; black for an index without an entry.
    COLORREF GetColor(int nIndex);
    // The menu font of the system's non-client metrics, made on first use.
    CFont* GetListFont();

    DECLARE_MESSAGE_MAP()

private:
    bool hasEntry(int nIndex);
    // The entries' own texts, the empty ones left out, each ended by "\n".
    CString copiedText();
    void copyToClipboard(const CString& text);

    int m_nWidest = 0;
    CFont m_fontList;
};

} // namespace NVorel
