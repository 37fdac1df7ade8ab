#pragma once
// CGXCopyTextReader: the copy texts of many cells, each as
// CGXGridCore::GetCopyTextRowCol gives it, for copying and exporting whole
// tables. Each cell's own style is read once (GetStyleRowCol(row, col, style,
// gxCopy, 0), as for GetCopyTextRowCol); one style and one text serve every
// cell, and the header and standard styles a cell falls back on are put
// together once per kind of cell. A cell whose control shows its value (the
// grid's own edit, static, header, push-button, check-box and text combo-box
// controls) gives its value without a full style; any other control gets
// the cell's full style, as ComposeStyleRowCol makes it.
#include "gridctl/GXGridCore.h"
#include "gridctl/GXStyle.h"

#include <array>
#include <optional>

class CGXCopyTextReader {
public:
    explicit CGXCopyTextReader(CGXGridCore& grid) : m_grid(grid) {}
    CGXCopyTextReader(const CGXCopyTextReader&) = delete;
    CGXCopyTextReader& operator=(const CGXCopyTextReader&) = delete;

    // Reads the cell's own style; valid until the next read.
    const CGXStyle& ReadStyle(ROWCOL nRow, ROWCOL nCol);
    // Reads the cell's own style, then gives its copy text; valid until the
    // next read. A whole table goes through here: the usual cell, which
    // names no control of its own and whose fallback's control shows the
    // value, costs no call beyond the reading.
    const CString& Text(ROWCOL nRow, ROWCOL nCol)
    {
        ReadStyle(nRow, nCol);
        const Fallback& rest = fallback(nRow, nCol);
        if (rest.bShowsValue && !m_cell.GetIncludeControl())
            return m_cell.GetIncludeValue() ? m_cell.GetValue() : rest.style.GetValue();
        return controlText(nRow, nCol, rest.style);
    }
    // The own style of the cell read last.
    const CGXStyle& CellStyle() const { return m_cell; }

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
    // The text of the cell read last through its control.
    const CString& controlText(ROWCOL nRow, ROWCOL nCol, const CGXStyle& rest);
    CGXControl* control(WORD nId);

    CGXGridCore& m_grid;
    CGXStyle m_cell;
    CGXStyle m_full;
    CString m_text;
    std::array<std::optional<Fallback>, 4> m_fallbacks;
    // The control of the id read last, and whether it shows the value.
    std::optional<WORD> m_nControlId;
    CGXControl* m_pControl = nullptr;
    bool m_bShowsValue = false;
};
