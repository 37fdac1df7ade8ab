// Pasting the clipboard's text into a record grid; declared in
// RecordGridSupport.h.
//
// Each cell goes through SetStyleRange -> StoreStyleRowCol, the path a typed
// value takes, so the host sees and validates it the same way. The text is
// read in place from the clipboard's block and its cells are stored as they
// are read, so a large paste holds no copy of the table; the two styles of a
// cell (the one read, the one stored) are kept for the next cell, so that a
// cell costs no allocation, and the styles a cell falls back on are put
// together once.
#include "grid/PasteTable.h"
#include "grid/RecordGridSupport.h"
#include "gridctl/GXCopyTextReader.h"
#include "win/Afx.h"

#include <cwchar>

namespace NVorel::recordgrid {

namespace {

constexpr UINT IDS_NOT_PASTED = 39963;

// The clipboard opened for the paste and closed however it ends.
class OpenedClipboard {
public:
    explicit OpenedClipboard(HWND hWnd) : m_bOpen(OpenClipboard(hWnd)) {}
    ~OpenedClipboard() { close(); }
    OpenedClipboard(const OpenedClipboard&) = delete;
    OpenedClipboard& operator=(const OpenedClipboard&) = delete;

    // The Unicode text up to its terminating zero; empty without one.
    std::wstring_view text()
    {
        m_block = m_bOpen ? GetClipboardData(CF_UNICODETEXT) : nullptr;
        const auto* chars = m_block ? static_cast<const wchar_t*>(GlobalLock(m_block)) : nullptr;
        if (!chars)
            return {};
        return {chars, wcsnlen(chars, GlobalSize(m_block) / sizeof(wchar_t))};
    }
    void close()
    {
        if (m_block)
            GlobalUnlock(m_block);
        m_block = nullptr;
        if (m_bOpen)
            CloseClipboard();
        m_bOpen = false;
    }

private:
    BOOL m_bOpen;
    HANDLE m_block = nullptr;
};

// Where the pasted cells go: the columns from the current one rightwards and
// the rows from the current one down, hidden ones and header rows passed over.
class Targets {
public:
    Targets(CGXGridCore& grid, const std::function<void()>& addRow, ROWCOL nRow, ROWCOL nCol)
        : m_grid(grid), m_addRow(addRow), m_nRow(nRow - 1)
    {
        for (ROWCOL c = nCol; c <= grid.GetColCount(); ++c)
            if (!grid.IsColHidden(c))
                m_cols.push_back(c);
        nextRow();
    }
    // On to the next pasted row's grid row; false once the host gave no more
    // rows, and for good.
    bool nextRow()
    {
        if (!m_bRowOk)
            return false;
        do {
            ++m_nRow;
            if (m_nRow > m_grid.GetRowCount()) {
                const ROWCOL nBefore = m_grid.GetRowCount();
                m_addRow();
                if (m_grid.GetRowCount() <= nBefore || m_nRow > m_grid.GetRowCount())
                    return m_bRowOk = false;
            }
        } while (!writableRow(m_nRow));
        return true;
    }
    bool rowOk() const { return m_bRowOk; }
    ROWCOL row() const { return m_nRow; }
    // 0 past the last column.
    ROWCOL col(size_t j) const { return j < m_cols.size() ? m_cols[j] : 0; }

private:
    bool writableRow(ROWCOL r) { return r > m_grid.GetHeaderRows() && !m_grid.IsRowHidden(r); }

    CGXGridCore& m_grid;
    const std::function<void()>& m_addRow;
    std::vector<ROWCOL> m_cols;
    ROWCOL m_nRow;
    bool m_bRowOk = true;
};

} // namespace

bool isPasteKey(UINT nMessage, UINT nChar)
{
    if (nMessage != WM_KEYDOWN)
        return false;
    const bool bCtrl = GetKeyState(VK_CONTROL) < 0, bShift = GetKeyState(VK_SHIFT) < 0;
    return (nChar == 'V' && bCtrl && !bShift) || (nChar == VK_INSERT && bShift && !bCtrl);
}

void addPasteItem(CMenu& popup)
{
    CString text;
    text.LoadString(IDS_PASTE);
    UINT nPos = 0;
    while (nPos < popup.GetMenuItemCount() && popup.GetMenuItemID((int)nPos) != ID_EDIT_COPY)
        ++nPos;
    popup.InsertMenu(nPos + 1, MF_BYPOSITION | MF_STRING, ID_EDIT_PASTE, text);
}

void pasteClipboard(CGXGridWnd& grid, const std::function<void()>& addRow, const std::function<void()>& notifyChange)
{
    ROWCOL nRow, nCol;
    if (!IsClipboardFormatAvailable(CF_UNICODETEXT) || !grid.GetCurrentCell(nRow, nCol))
        return;
    grid.TransferCurrentCell();
    OpenedClipboard clipboard(grid.GetSafeHwnd());
    const std::wstring_view text = clipboard.text();
    if (text.empty())
        return;

    const BOOL bWasLocked = grid.LockUpdate(TRUE);
    const ROWCOL nRowCountBefore = grid.GetRowCount();
    Targets targets(grid, addRow, nRow, nCol);
    CPasteTable table(text);
    size_t i, j, nRowAt = 0;
    std::wstring cell;
    long long nNotPasted = 0;
    bool bStored = false;
    ROWCOL nLastRow = 0, nLastCol = 0;
    CGXCopyTextReader cells(grid);
    CGXStyle value;
    while (table.Next(i, j, cell)) {
        for (; nRowAt < i && targets.rowOk(); ++nRowAt)
            targets.nextRow();
        const ROWCOL c = targets.col(j);
        if (!targets.rowOk() || c == 0) {
            ++nNotPasted;
            continue;
        }
        const ROWCOL r = targets.row();
        nLastRow = r;
        nLastCol = std::max(nLastCol, c);
        value.SetValue(cell.c_str());
        if (!cells.TakesValue(r, c) || !grid.SetStyleRange(CGXRange(r, c), value, gxOverride, 0, GX_INVALIDATE)) {
            ++nNotPasted;
            continue;
        }
        bStored = true;
    }
    clipboard.close();
    grid.LockUpdate(bWasLocked);

    const bool bChanged = bStored || grid.GetRowCount() != nRowCountBefore;
    if (nLastRow != 0) {
        grid.SelectRange(CGXRange().SetTable(), FALSE, FALSE);
        grid.SelectRange(CGXRange(nRow, nCol, nLastRow, nLastCol), TRUE, FALSE);
    }
    grid.Redraw(GX_SMART, TRUE);
    if (bChanged)
        notifyChange();
    if (nNotPasted > 0) {
        CString format, message;
        format.LoadString(IDS_NOT_PASTED);
        message.Format(format, (int)std::min<long long>(nNotPasted, INT_MAX));
        AfxMessageBox(message, MB_OK | MB_ICONINFORMATION);
    }
}

} // namespace NVorel::recordgrid
