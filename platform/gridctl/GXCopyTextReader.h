#pragma once
// CGXCopyTextReader: the copy texts of many cells, each as
// CGXGridCore::GetCopyTextRowCol gives it, for copying and exporting whole
// tables, and whether cells take a value, for pasting. Each cell's own style
// is read once (GetStyleRowCol(row, col, style, gxCopy, 0), as for
// GetCopyTextRowCol) into one of a few kept places; the header and standard
// styles a cell falls back on are put together once per kind of cell. A cell
// whose control shows its value (the grid's own edit, static, header,
// push-button, check-box and text combo-box controls) gives its value without
// a full style; any other control gets the cell's full style, as
// ComposeStyleRowCol makes it.
#include "gridctl/GXGridCore.h"
#include "gridctl/GXStyle.h"

#include <array>
#include <optional>
#include <vector>

class CGXCopyTextReader {
public:
    // Keeps the last nCells cells read, each in its own place: a writer
    // that reads a batch of cells before it looks at their texts never
    // reads a text the moment the host has copied it in, when the read
    // waits for the host's stores to complete.
    explicit CGXCopyTextReader(CGXGridCore& grid, size_t nCells = 1) : m_grid(grid), m_cells(nCells) {}
    CGXCopyTextReader(const CGXCopyTextReader&) = delete;
    CGXCopyTextReader& operator=(const CGXCopyTextReader&) = delete;

    // Reads the cell's own style into place nAt; valid until the next read
    // into that place.
    const CGXStyle& ReadStyle(ROWCOL nRow, ROWCOL nCol, size_t nAt = 0);
    // Reads the cell's own style into place nAt, then gives its copy text;
    // valid until the next read into that place. A whole table goes
    // through here: the usual cell, which names no control of its own and
    // whose fallback's control shows the value, costs no call beyond the
    // reading.
    const CString& Text(ROWCOL nRow, ROWCOL nCol, size_t nAt = 0)
    {
        Cell& cell = m_cells[nAt];
        ReadStyle(nRow, nCol, nAt);
        const Fallback& rest = fallback(nRow, nCol);
        if (rest.bShowsValue && !cell.style.GetIncludeControl())
            return cell.style.GetIncludeValue() ? cell.style.GetValue() : rest.style.GetValue();
        return controlText(nRow, nCol, cell, rest.style);
    }
    // Reads the cell's own style; whether the cell takes a value: neither
    // read-only nor disabled in the style ComposeStyleRowCol would make.
    bool TakesValue(ROWCOL nRow, ROWCOL nCol)
    {
        const CGXStyle& own = ReadStyle(nRow, nCol);
        const CGXStyle& rest = fallback(nRow, nCol).style;
        const BOOL bReadOnly = own.GetIncludeReadOnly() ? own.GetReadOnly() : rest.GetReadOnly();
        const BOOL bEnabled = own.GetIncludeEnabled() ? own.GetEnabled() : rest.GetEnabled();
        return !bReadOnly && bEnabled;
    }
    // The own style of the cell read last into place nAt.
    const CGXStyle& CellStyle(size_t nAt = 0) const { return m_cells[nAt].style; }

private:
    // What the header and standard styles give a cell in a header row, a
    // header column, both or neither, and whether the control it names
    // shows the value.
    struct Fallback {
        CGXStyle style;
        bool bShowsValue; // set by makeFallback
    };
    const Fallback& fallback(ROWCOL nRow, ROWCOL nCol)
    {
        const size_t kind = (nRow <= m_grid.GetHeaderRows() ? 1 : 0) + (nCol <= m_grid.GetHeaderCols() ? 2 : 0);
        return m_fallbacks[kind] ? *m_fallbacks[kind] : makeFallback(kind);
    }
    const Fallback& makeFallback(size_t kind);
    // A cell's own style, and its text when its control makes one.
    struct Cell {
        CGXStyle style;
        CString text;
    };
    // The text of the cell just read into cell, through its control.
    const CString& controlText(ROWCOL nRow, ROWCOL nCol, Cell& cell, const CGXStyle& rest);
    CGXControl* control(WORD nId);

    CGXGridCore& m_grid;
    std::vector<Cell> m_cells;
    CGXStyle m_full;
    std::array<std::optional<Fallback>, 4> m_fallbacks;
    // The control of the id read last, and whether it shows the value.
    std::optional<WORD> m_nControlId;
    CGXControl* m_pControl = nullptr;
    bool m_bShowsValue = false;
};
