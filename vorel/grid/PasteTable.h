#pragma once
// CPasteTable: clipboard text read as a table of cells, as spreadsheets and
// the grids' own copy put it. Rows end with CRLF or LF (a final line break
// ends the last row, it starts no new one); cells are separated by tabs, or
// by ';' when the text holds no tab. A cell that begins with a double quote
// runs to the quote that closes it and may hold separators, line breaks and
// doubled quotes (RFC 4180); text after the closing quote joins the cell, and
// a quote never closed takes the rest of the text. Control characters other
// than tabs and line breaks are dropped. Rows may have any number of cells.
//
// The cells come one at a time and only the current one is held, so a table
// of any size costs no more memory than its largest cell.
#include <cstddef>
#include <string>
#include <string_view>

namespace NVorel {

class CPasteTable {
public:
    // The text is read in place: it must outlive the table.
    explicit CPasteTable(std::wstring_view text);

    // The next cell in reading order with its row and column, counted from
    // 0; false when the text is used up.
    bool Next(size_t& nRow, size_t& nCol, std::wstring& cell);

private:
    void readQuoted(std::wstring& cell);
    // Past the separator or line break that ended a cell.
    void endCell();

    std::wstring_view m_text;
    size_t m_pos = 0;
    wchar_t m_sep;
    size_t m_row = 0;
    size_t m_col = 0;
    bool m_bCellDue = false;
};

} // namespace NVorel
