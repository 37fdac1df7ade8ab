// Reading clipboard text as a table; the rules are in PasteTable.h.
#include "grid/PasteTable.h"

namespace NVorel {

namespace {

// C0 and C1 controls and DEL; tabs and line breaks are structure.
bool isDropped(wchar_t ch)
{
    if (ch == L'\t' || ch == L'\n' || ch == L'\r')
        return false;
    return (ch >= 0 && ch < 0x20) || (ch >= 0x7F && ch < 0xA0);
}

// Neither structure nor dropped: text of the cell.
bool isPlain(wchar_t ch, wchar_t sep)
{
    return ch != sep && ch != L'\n' && ch != L'\r' && !isDropped(ch);
}

} // namespace

CPasteTable::CPasteTable(std::wstring_view text)
    : m_text(text), m_sep(text.find(L'\t') == std::wstring_view::npos ? L';' : L'\t')
{
}

bool CPasteTable::Next(size_t& nRow, size_t& nCol, std::wstring& cell)
{
    if (m_pos >= m_text.size() && !m_bCellDue)
        return false;
    m_bCellDue = false;
    nRow = m_row;
    nCol = m_col;
    cell.clear();
    if (m_text[m_pos] == L'"') {
        ++m_pos;
        readQuoted(cell);
    }
    while (m_pos < m_text.size()) {
        // Plain characters go in as one run.
        const size_t from = m_pos;
        while (m_pos < m_text.size() && isPlain(m_text[m_pos], m_sep))
            ++m_pos;
        cell.append(m_text.substr(from, m_pos - from));
        if (m_pos >= m_text.size())
            break;
        const wchar_t ch = m_text[m_pos];
        if (ch == m_sep || ch == L'\n' || (ch == L'\r' && m_text.substr(m_pos, 2) == L"\r\n"))
            break;
        // A lone CR ends no row: it is dropped like the other controls.
        ++m_pos;
    }
    endCell();
    return true;
}

void CPasteTable::readQuoted(std::wstring& cell)
{
    while (m_pos < m_text.size()) {
        const wchar_t ch = m_text[m_pos++];
        if (ch == L'"') {
            if (m_pos < m_text.size() && m_text[m_pos] == L'"')
                ++m_pos;
            else
                return;
        }
        if (!isDropped(ch))
            cell += ch;
    }
}

void CPasteTable::endCell()
{
    if (m_pos >= m_text.size())
        return;
    if (m_text[m_pos] == m_sep) {
        ++m_pos;
        ++m_col;
        // A cell follows a separator even at the very end of the text.
        m_bCellDue = true;
        return;
    }
    m_pos += m_text[m_pos] == L'\r' ? 2 : 1;
    ++m_row;
    m_col = 0;
}

} // namespace NVorel
