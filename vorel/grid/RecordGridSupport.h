#pragma once
// What the record grids share, whatever their column model: the registry of
// live grids, which style requests reach the host, unit column titles, typed
// cell readers, notifications, the spare row below the last one, the
// walks over the selected rows, and paste.
#include "gridctl/GXGridWnd.h"
#include "units/Qemet.h"

#include <algorithm>
#include <functional>
#include <vector>

namespace NVorel::recordgrid {

template <class Grid> void enrol(std::vector<Grid*>& all, Grid* pGrid)
{
    all.push_back(pGrid);
}

template <class Grid> void withdraw(std::vector<Grid*>& all, Grid* pGrid)
{
    all.erase(std::remove(all.begin(), all.end(), pGrid), all.end());
}

// Grids without a live window are passed over.
template <class Grid> void redrawAll(const std::vector<Grid*>& all)
{
    for (Grid* pGrid : all)
        if (::IsWindow(pGrid->GetSafeHwnd()))
            pGrid->Redraw(GX_SMART, TRUE);
}

// Reading or storing a cell's own style; removals (gxRemove) and the base
// styles of rows and columns (nType -1) never reach the host.
inline bool isCellRequest(GXModifyType mt, int nType)
{
    return mt != gxRemove && nType != -1;
}

// The text of string nStringId, then "\n (" + the display unit's name + ")".
CString unitColumnTitle(int nStringId, qemet::QEMET_TYPES eType);

// A cell's text read as a number. Text: parsed (a text that is no number
// gives 0) and true. No text: with bRequired the cell becomes the current one
// and false, the value untouched; otherwise the default and true. A cell
// outside the grid has no text.
bool readDouble(CGXGridCore& grid, double* pValue, int nRow, int nCol, bool bRequired, double dDefault);
bool readInt(CGXGridCore& grid, int* pValue, int nRow, int nCol, bool bRequired, int nDefault);

// Sends nMsg (wParam and lParam 0) to the receiver, else to the grid's
// parent; nothing without either.
void notifyReceiver(CWnd& grid, CWnd* pReceiver, int nMsg);

// One row inserted after the last one, the former last row redrawn.
void appendEmptyRow(CGXGridCore& grid);

// Calls f with each whole selected row other than row 0, the last first, so
// that inserting or removing at one leaves the rows still to come where they
// were; updates are locked meanwhile.
void forSelectedRowsBackwards(CGXGridCore& grid, const std::function<void(ROWCOL)>& f);

// Each whole selected row other than row 0 removed, the last first; the
// caller redraws.
void removeSelectedRows(CGXGridCore& grid);

// Paste (RecordGridPaste.cpp): the menu command, its text and the message
// telling of cells not pasted come from the language module.
constexpr UINT ID_EDIT_COPY = 57634;
constexpr UINT ID_EDIT_PASTE = 57637;
constexpr UINT IDS_PASTE = 39962;

// Ctrl+V or Shift+Insert going down.
bool isPasteKey(UINT nMessage, UINT nChar);
// "Paste" after the popup's "Copy" (at the end without one).
void addPasteItem(CMenu& popup);
// The clipboard's Unicode text (see CPasteTable) stored from the current cell
// rightwards and down, each cell through SetValueRange as a typed value:
// read-only and disabled cells, refused cells and cells past the last column
// are not pasted, header and hidden rows and hidden columns are passed over.
// Rows past the last come one at a time from addRow; when it adds none the
// rest is not pasted. One update lock, one redraw and, when anything
// changed, one notifyChange; the pasted range is selected; a message box
// tells how many cells were not pasted. No current cell or no text: nothing.
void pasteClipboard(CGXGridWnd& grid, const std::function<void()>& addRow, const std::function<void()>& notifyChange);

} // namespace NVorel::recordgrid
