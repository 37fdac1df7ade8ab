// Copying the cells of CGXGridCore as text: for the clipboard and into a file.
// The call flow is described in GXGridCore.h.
#include "gridctl/GXCopyTextReader.h"
#include "gridctl/GXGridCore.h"
#include "win/kernel/Utf8.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <cwchar>
#include <optional>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

BOOL CGXGridCore::CanCopy()
{
    CGXRangeList list;
    return CopyRangeList(list, TRUE);
}

namespace {

// A cell that holds the separator, a quote or a line break would break the
// rows and cells apart for a reader: it is enclosed in quotes, its own
// quotes doubled, as RFC 4180 has it. Other cells stay as they are. The
// characters that call for quotes (and a one-character separator, as the
// usual ones are) are bits, one test a character.
class QuoteRule {
public:
    explicit QuoteRule(std::wstring_view sep)
        : m_sep(sep), m_bBitsOnly(sep.empty() || (sep.size() == 1 && sep[0] >= 0 && sep[0] < 64))
    {
        if (sep.size() == 1 && m_bBitsOnly)
            m_hard |= 1ull << sep[0];
    }
    // One more character that calls for quotes.
    void add(wchar_t ch) { m_hard |= 1ull << ch; }
    bool calls(wchar_t ch) const { return ch >= 0 && ch < 64 && (m_hard >> ch & 1); }
    bool bitsOnly() const { return m_bBitsOnly; }
    // Bit n set: character n calls for quotes.
    uint64_t bits() const { return m_hard; }

    bool needsQuotes(std::wstring_view s) const
    {
        return std::any_of(s.begin(), s.end(), [this](wchar_t ch) { return calls(ch); }) ||
               (!m_bBitsOnly && s.find(m_sep) != std::wstring_view::npos);
    }

private:
    std::wstring_view m_sep;
    bool m_bBitsOnly;
    uint64_t m_hard = (1ull << L'"') | (1ull << L'\r') | (1ull << L'\n');
};

constexpr std::wstring_view kRowEnd = L"\r\n";

} // namespace

bool CGXGridCore::copyColumns(const CGXRangeList& ranges, std::vector<ROWCOL>& cols)
{
    CRowColArray colStarts, colEnds;
    if (!ranges.GetColArray(GetColCount(), colStarts, colEnds, FALSE))
        return false;
    for (INT_PTR j = 0; j < colStarts.GetSize(); ++j)
        for (ROWCOL c = colStarts[j]; c <= colEnds[j]; ++c)
            if (!IsColHidden(c))
                cols.push_back(c);
    return true;
}

// Hidden columns and the covered blocks of a row are settled once, not per
// cell; each cell's style is read once.
template <class Sink>
BOOL CGXGridCore::writeCopyText(const CGXRangeList& ranges, const std::vector<ROWCOL>& cols, Sink& sink)
{
    CRowColArray rowStarts, rowEnds;
    if (!ranges.GetRowArray(GetRowCount(), rowStarts, rowEnds, FALSE))
        return FALSE;
    // Cells are read a batch at a time, then written: no text is read right
    // after the host stored it (see CGXCopyTextReader).
    constexpr size_t kBatch = 16;
    CGXCopyTextReader reader(*this, kBatch);
    std::array<const CString*, kBatch> texts;
    std::vector<const CGXRange*> blocks; // those crossing the row
    const std::wstring_view sep = m_sCellSep.str();
    for (INT_PTR i = 0; i < rowStarts.GetSize(); ++i)
        for (ROWCOL r = rowStarts[i]; r <= rowEnds[i]; ++r) {
            if (IsRowHidden(r))
                continue;
            blocks.clear();
            for (const CGXRange& block : m_covered)
                if (block.top <= r && r <= block.bottom)
                    blocks.push_back(&block);
            for (size_t from = 0; from < cols.size(); from += kBatch) {
                const size_t n = std::min(kBatch, cols.size() - from);
                for (size_t k = 0; k < n; ++k) {
                    const ROWCOL c = cols[from + k];
                    const bool bCoveredAway = std::any_of(blocks.begin(), blocks.end(), [&](const CGXRange* b) {
                        return b->left <= c && c <= b->right && (b->top != r || b->left != c);
                    });
                    texts[k] = bCoveredAway ? nullptr : &reader.Text(r, c, k);
                }
                for (size_t k = 0; k < n; ++k) {
                    if (from + k > 0)
                        sink.Append(sep);
                    if (texts[k])
                        sink.AppendCell(texts[k]->str());
                }
            }
            sink.Append(kRowEnd);
            sink.RowDone();
        }
    return TRUE;
}

namespace {

struct WideText {
    explicit WideText(const QuoteRule& rule) : quoting(rule) {}
    void Append(std::wstring_view s) { text += s; }
    void AppendCell(std::wstring_view s)
    {
        if (!quoting.needsQuotes(s)) {
            text += s;
            return;
        }
        text += L'"';
        for (wchar_t ch : s) {
            if (ch == L'"')
                text += L'"';
            text += ch;
        }
        text += L'"';
    }
    void RowDone() {}

    const QuoteRule& quoting;
    std::wstring text;
};

// A cell of at least four characters that is all ASCII and holds none of
// (at most four) characters that call for quotes, tested and narrowed to
// bytes four characters at a time; the last four end where the cell ends,
// overlapping the ones before, so nothing is read past the cell and no
// loop runs a character at a time.
class AsciiBlocks {
public:
#if defined(__SSE2__) && WCHAR_MAX > 0xFFFF
    static std::optional<AsciiBlocks> For(uint64_t bits)
    {
        std::array<int, 4> stops{};
        size_t n = 0;
        for (int ch = 0; ch < 64; ++ch)
            if (bits >> ch & 1) {
                if (n == stops.size())
                    return std::nullopt;
                stops[n++] = ch;
            }
        if (n == 0)
            return std::nullopt;
        std::fill(stops.begin() + (std::ptrdiff_t)n, stops.end(), stops[0]);
        return AsciiBlocks(stops);
    }
    // Writes the cell's bytes and true; false when the cell is not plain
    // (the bytes written then are to be written over).
    bool plain(char* out, std::wstring_view s) const
    {
        __m128i high = _mm_setzero_si128(), hit = _mm_setzero_si128();
        auto block = [&](size_t i) {
            const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s.data() + i));
            high = _mm_or_si128(high, _mm_and_si128(v, _mm_set1_epi32(~0x7f)));
            for (const __m128i& stop : m_stops)
                hit = _mm_or_si128(hit, _mm_cmpeq_epi32(v, stop));
            const __m128i bytes = _mm_packus_epi16(_mm_packs_epi32(v, v), v);
            const int four = _mm_cvtsi128_si32(bytes);
            std::memcpy(out + i, &four, 4);
        };
        for (size_t i = 0; i + 4 < s.size(); i += 4)
            block(i);
        block(s.size() - 4);
        const __m128i ascii = _mm_cmpeq_epi32(high, _mm_setzero_si128()); // all ones where plain
        return _mm_movemask_epi8(hit) == 0 && _mm_movemask_epi8(ascii) == 0xFFFF;
    }

private:
    explicit AsciiBlocks(const std::array<int, 4>& stops)
    {
        for (size_t k = 0; k < stops.size(); ++k)
            m_stops[k] = _mm_set1_epi32(stops[k]);
    }
    __m128i m_stops[4];
#else
    static std::optional<AsciiBlocks> For(uint64_t) { return std::nullopt; }
    bool plain(char*, std::wstring_view) const { return false; }
#endif
};

// UTF-8 into the file a chunk at a time, so that a large table never stands
// in memory whole; the text is encoded straight into the chunk, a cell in
// one pass that tests for quotes as it goes.
class Utf8Chunks {
public:
    Utf8Chunks(CFile& file, const QuoteRule& rule) : m_file(file), m_quoting(rule), m_bytes(2 * kChunk)
    {
        if (rule.bitsOnly())
            m_blocks = AsciiBlocks::For(rule.bits());
    }
    void Append(std::wstring_view s)
    {
        if (s.size() == 1 && (uint32_t)s[0] < 0x80) { // a separator
            room(1);
            m_bytes[m_used++] = (char)s[0];
            return;
        }
        room(s.size());
        m_used = (size_t)(encodeUtf8(at(), s) - m_bytes.data());
    }
    void AppendCell(std::wstring_view s)
    {
        room(s.size() + 1); // quotes doubled, and the two around them
        char* out = at();
        if (m_blocks && s.size() >= 4 && m_blocks->plain(out, s))
            out += s.size();
        else if (m_quoting.bitsOnly())
            out = plainOrQuoted(out, s, m_quoting.bits());
        else
            out = m_quoting.needsQuotes(s) ? quoted(out, s) : encodeUtf8(out, s);
        m_used = (size_t)(out - m_bytes.data());
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
    // Room for n characters of 4 bytes each.
    void room(size_t n)
    {
        if (m_used + 4 * n > m_bytes.size())
            m_bytes.resize(m_used + 4 * n);
    }
    char* at() { return m_bytes.data() + m_used; }
    // The cell as it is, ASCII a byte at a time; the first character that
    // calls for quotes starts it over, quoted. The bits come as a value, so
    // that the stores into the chunk cannot be taken to change them.
    static char* plainOrQuoted(char* out, std::wstring_view s, uint64_t bits)
    {
        char* const start = out;
        for (const wchar_t& ch : s) {
            const auto u = (uint32_t)ch;
            if (u >= 0x80)
                out = encodeUtf8(out, std::wstring_view(&ch, 1));
            else if (u < 64 && (bits >> u & 1))
                return quoted(start, s);
            else
                *out++ = (char)u;
        }
        return out;
    }
    static char* quoted(char* out, std::wstring_view s)
    {
        *out++ = '"';
        size_t from = 0;
        for (size_t q; (q = s.find(L'"', from)) != std::wstring_view::npos; from = q + 1) {
            out = encodeUtf8(out, s.substr(from, q + 1 - from));
            *out++ = '"';
        }
        out = encodeUtf8(out, s.substr(from));
        *out++ = '"';
        return out;
    }

    CFile& m_file;
    const QuoteRule& m_quoting;
    std::optional<AsciiBlocks> m_blocks;
    std::vector<char> m_bytes;
    size_t m_used = 0;
};

} // namespace

CString CGXGridCore::GetCopyTextRanges(const CGXRangeList& ranges)
{
    QuoteRule quoting(m_sCellSep.str());
    // A single column leaves no tab in the text, and readers of such text
    // (spreadsheets, our own paste) split its cells at ';' instead.
    std::vector<ROWCOL> cols;
    if (!copyColumns(ranges, cols))
        return CString();
    if (cols.size() == 1)
        quoting.add(L';');
    WideText sink(quoting);
    writeCopyText(ranges, cols, sink);
    return CString(std::move(sink.text));
}

BOOL CGXGridCore::CopyTextToFile(CFile& file, const CGXRange& range)
{
    CGXRangeList ranges;
    ranges.AddTail(range);
    const QuoteRule quoting(m_sCellSep.str());
    Utf8Chunks sink(file, quoting);
    std::vector<ROWCOL> cols;
    if (copyColumns(ranges, cols))
        writeCopyText(ranges, cols, sink);
    sink.Flush();
    return TRUE;
}
