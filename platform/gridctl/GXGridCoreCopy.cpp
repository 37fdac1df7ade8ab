// Copying the cells of CGXGridCore as text: for the clipboard and into a file.
// The call flow is described in GXGridCore.h.
#include "gridctl/GXCopyTextReader.h"
#include "gridctl/GXGridCore.h"
#include "win/kernel/Utf8.h"

#include <algorithm>

BOOL CGXGridCore::CanCopy()
{
    CGXRangeList list;
    return CopyRangeList(list, TRUE);
}

// A cell that holds the separator, a quote or a line break would break the
// rows and cells apart for a reader: it is enclosed in quotes, its own
// quotes doubled, as RFC 4180 has it. Other cells stay as they are.
std::wstring_view CGXGridCore::copyCell(const CString& text, std::wstring& quoted) const
{
    const std::wstring& s = text.str();
    if (!needsQuotes(s))
        return s;
    quoted = L'"';
    for (wchar_t ch : s) {
        if (ch == L'"')
            quoted += L'"';
        quoted += ch;
    }
    quoted += L'"';
    return quoted;
}

// One pass over the text, one test a character: the characters that call for
// quotes (and a one-character separator, as the usual ones are) as bits.
bool CGXGridCore::needsQuotes(const std::wstring& s) const
{
    const std::wstring& sep = m_sCellSep.str();
    uint64_t hard = (1ull << L'"') | (1ull << L'\r') | (1ull << L'\n');
    const bool bOneCharSep = sep.size() == 1 && sep[0] >= 0 && sep[0] < 64;
    if (bOneCharSep)
        hard |= 1ull << sep[0];
    for (wchar_t ch : s)
        if (ch >= 0 && ch < 64 && (hard >> ch & 1))
            return true;
    return !sep.empty() && !bOneCharSep && s.find(sep) != std::wstring::npos;
}

// Hidden columns and the covered blocks of a row are settled once, not per
// cell; each cell's style is read once.
template <class Sink> BOOL CGXGridCore::writeCopyText(const CGXRangeList& ranges, Sink& sink)
{
    CRowColArray rowStarts, rowEnds, colStarts, colEnds;
    if (!ranges.GetRowArray(GetRowCount(), rowStarts, rowEnds, FALSE) ||
        !ranges.GetColArray(GetColCount(), colStarts, colEnds, FALSE))
        return FALSE;
    std::vector<ROWCOL> cols;
    for (INT_PTR j = 0; j < colStarts.GetSize(); ++j)
        for (ROWCOL c = colStarts[j]; c <= colEnds[j]; ++c)
            if (!IsColHidden(c))
                cols.push_back(c);
    CGXCopyTextReader reader(*this);
    std::vector<const CGXRange*> blocks; // those crossing the row
    std::wstring quoted;
    const std::wstring_view sep = m_sCellSep.str();
    for (INT_PTR i = 0; i < rowStarts.GetSize(); ++i)
        for (ROWCOL r = rowStarts[i]; r <= rowEnds[i]; ++r) {
            if (IsRowHidden(r))
                continue;
            blocks.clear();
            for (const CGXRange& block : m_covered)
                if (block.top <= r && r <= block.bottom)
                    blocks.push_back(&block);
            for (size_t j = 0; j < cols.size(); ++j) {
                if (j > 0)
                    sink.Append(sep);
                const ROWCOL c = cols[j];
                const bool bCoveredAway = std::any_of(blocks.begin(), blocks.end(), [&](const CGXRange* b) {
                    return b->left <= c && c <= b->right && (b->top != r || b->left != c);
                });
                if (!bCoveredAway)
                    sink.Append(copyCell(reader.Text(r, c), quoted));
            }
            sink.Append(L"\r\n");
            sink.RowDone();
        }
    return TRUE;
}

namespace {

struct WideText {
    std::wstring text;
    void Append(std::wstring_view s) { text += s; }
    void RowDone() {}
};

// UTF-8 into the file a chunk at a time, so that a large table never stands
// in memory whole; the text is encoded straight into the chunk.
class Utf8Chunks {
public:
    explicit Utf8Chunks(CFile& file) : m_file(file), m_bytes(2 * kChunk) {}
    void Append(std::wstring_view s)
    {
        if (m_used + 4 * s.size() > m_bytes.size())
            m_bytes.resize(m_used + 4 * s.size());
        m_used = (size_t)(encodeUtf8(m_bytes.data() + m_used, s) - m_bytes.data());
    }
    void RowDone()
    {
        if (m_used >= kChunk)
            Flush();
    }
    void Flush()
    {
        if (m_used > 0)
            m_file.Write(m_bytes.data(), (UINT)m_used);
        m_used = 0;
    }

private:
    static constexpr size_t kChunk = 1 << 16;
    CFile& m_file;
    std::vector<char> m_bytes;
    size_t m_used = 0;
};

} // namespace

CString CGXGridCore::GetCopyTextRanges(const CGXRangeList& ranges)
{
    WideText sink;
    writeCopyText(ranges, sink);
    return CString(std::move(sink.text));
}

BOOL CGXGridCore::CopyTextToFile(CFile& file, const CGXRange& range)
{
    CGXRangeList ranges;
    ranges.AddTail(range);
    Utf8Chunks sink(file);
    writeCopyText(ranges, sink);
    sink.Flush();
    return TRUE;
}
