// The grid as an RTF table; the call flow is described in Grid2Rtf.h.
//
// A document: the header below, then the pages separated by "\n\n", then
// "\par }". A page is its rows and "\pard\par"; a row is
//   \trowd\trgaph10\trleft-10\trpaddl10\trpaddr10\trpaddfl3\trpaddfr3 LF
//   per cell [\clvmgf | \clvmrg] \cellxRIGHT, then "\pard\intbl ",
//   per cell ["\b "] " text" ["\b0"] "\cell ", then "\row ".
#include "grid/Grid2Rtf.h"

#include "grid/RGrid.h"
#include "grid/RtfText.h"
#include "grid/TextFit.h"
#include "gridctl/GXCopyTextReader.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <vector>

namespace NVorel {

namespace {

using namespace std::string_view_literals;

const wchar_t kDocumentStart[] =
    L"{\\rtf1\\ansi\\ansicpg1250\\deff0\\deflang1045{\\fonttbl{\\f0\\fswiss\\fprq2\\fcharset238 System{\\*\\fname "
    L"Arial;}Arial CE;}}{\\*\\generator Tavrin;}\n\\viewkind4\\uc1\\pard\\f0\\fs20 ";
const wchar_t kDocumentEnd[] = L"\\par }";
const wchar_t kRowDefinition[] = L"\\trowd\\trgaph10\\trleft-10\\trpaddl10\\trpaddr10\\trpaddfl3\\trpaddfr3\n";
const wchar_t kMergeFirst[] = L"\\clvmgf";
const wchar_t kMergeNext[] = L"\\clvmrg";

constexpr double kUnitsPerCm = 1400.0 / 2.54; // 1400 units an inch
constexpr long long kUnitsPerPixel = 17;

// Rows or columns as pairs of first and last, in the order of the range list.
struct Spans {
    CRowColArray first, last;

    long long count() const
    {
        long long n = 0;
        for (INT_PTR i = 0; i < first.GetSize(); ++i)
            n += (long long)last[i] - (long long)first[i] + 1;
        return n;
    }
    template <class F> void forEach(F f) const
    {
        for (INT_PTR i = 0; i < first.GetSize(); ++i)
            for (ROWCOL n = first[i]; n <= last[i]; ++n)
                f(n);
    }
};

// A column of a page and its right border, from the page's left border.
struct Entry {
    ROWCOL col;
    long long right;
};
using Page = std::vector<Entry>;

// Widths are whole units; a page width beyond every edge cannot cut.
long long truncated(double d)
{
    if (std::isnan(d))
        return 0;
    return (long long)std::clamp(d, (double)std::numeric_limits<int>::min(), (double)std::numeric_limits<int>::max());
}

// Columns fill a page until the next one would pass maxWidth; the next page
// starts again with the first column at the edge it had.
std::vector<Page> splitIntoPages(CGXGridCore& grid, const Spans& cols, double maxWidth)
{
    std::vector<Page> pages;
    Page page;
    long long x = 0;
    cols.forEach([&](ROWCOL c) {
        const long long w = (long long)grid.GetColWidth(c) * kUnitsPerPixel;
        x += w;
        if ((double)x > maxWidth) {
            if (!page.empty()) {
                pages.push_back(page);
                page.erase(page.begin() + 1, page.end());
                x = w + page[0].right;
                if ((double)x > maxWidth)
                    x = truncated(maxWidth);
            } else {
                x = truncated(0.5 * maxWidth); // the first column alone is too wide
            }
        }
        page.push_back({c, x});
    });
    pages.push_back(page);
    return pages;
}

bool inColumns(const CGXRange& block, ROWCOL col)
{
    return col >= block.left && col <= block.right;
}

class TableWriter {
public:
    // nRows: the rows of all pages, for sizing the document once.
    TableWriter(CGXGridCore& grid, std::wstring& rtf, long long nRows)
        : m_grid(grid), m_cells(grid), m_fit(grid), m_rtf(rtf), m_nRowsLeft(nRows)
    {
        m_nHeaderRows = grid.GetHeaderRows();
        m_nHeaderCols = grid.GetHeaderCols();
        if (const CRGrid* pRecords = dynamic_cast<const CRGrid*>(&grid))
            m_nHeaderRows = (ROWCOL)std::max(0, pRecords->getNonOfHeader());
    }

    void writePage(const Page& page, const Spans& rows)
    {
        rows.forEach([&](ROWCOL r) { writeRow(r, page); });
        m_rtf += L"\\pard\\par"sv;
    }

private:
    void writeRow(ROWCOL r, const Page& page)
    {
        m_definition = kRowDefinition;
        m_contents.clear();
        for (size_t k = 0; k < page.size(); ++k)
            writeEntry(r, page, k);
        m_definition += L"\\pard\\intbl "sv;
        m_contents += L"\\row "sv;
        reserveFor(m_definition.size() + m_contents.size());
        m_rtf += m_definition;
        m_rtf += m_contents;
        --m_nRowsLeft;
    }

    // The document is sized from the rows still to come, as long as this
    // one, so that it is not copied over and over as it grows.
    void reserveFor(size_t rowLength)
    {
        if (m_rtf.capacity() - m_rtf.size() >= rowLength)
            return;
        const size_t estimate = m_rtf.size() + (size_t)std::max(1LL, m_nRowsLeft) * rowLength * 5 / 4;
        m_rtf.reserve(std::max(estimate, m_rtf.capacity() + m_rtf.capacity() / 2));
    }

    // A cell alone, or the top-left cell of a block, shows its text across
    // the block. Below the top of a block its first column continues the
    // vertical merge with a blank; the block's other columns add nothing.
    void writeEntry(ROWCOL r, const Page& page, size_t k)
    {
        const ROWCOL c = page[k].col;
        CGXRange block;
        m_grid.GetCellRangeRowCol(r, c, block);
        const bool bWide = block.GetWidth() > 1, bTall = block.GetHeight() > 1;
        if (!bWide && !bTall)
            writeCell(r, page, k, page[k].right, nullptr, m_cells.Text(r, c));
        else if (r == block.top && c == block.left)
            writeCell(r, page, k, blockRight(page, k, block), bTall ? kMergeFirst : nullptr, m_cells.Text(r, c));
        else if (!bWide)
            writeBlank(r, page, k, page[k].right, kMergeNext);
        else if (leadsBlock(page, k, block))
            writeBlank(r, page, k, blockRight(page, k, block), r > block.top ? kMergeNext : bTall ? kMergeFirst : nullptr);
    }

    void writeBlank(ROWCOL r, const Page& page, size_t k, long long right, const wchar_t* merge)
    {
        m_cells.ReadStyle(r, page[k].col);
        writeCell(r, page, k, right, merge, L" ");
    }

    // The first of the block's columns on this page: its left column, or
    // where a page starts inside it.
    static bool leadsBlock(const Page& page, size_t k, const CGXRange& block)
    {
        return page[k].col == block.left || k == 0 || !inColumns(block, page[k - 1].col);
    }

    // The right edge of the block's last column among the page's next ones.
    static long long blockRight(const Page& page, size_t k, const CGXRange& block)
    {
        while (k + 1 < page.size() && inColumns(block, page[k + 1].col))
            ++k;
        return page[k].right;
    }

    // The cell's own style, just read with its text, tells whether it is bold.
    void writeCell(ROWCOL r, const Page& page, size_t k, long long right, const wchar_t* merge, const CString& text)
    {
        const CGXStyle& style = m_cells.CellStyle();
        const bool bBold = (style.GetIncludeFont() && style.GetFont().GetBold()) || r < m_nHeaderRows ||
                           page[k].col < m_nHeaderCols;
        const long long left = k == 0 ? 0 : page[k - 1].right;
        m_spaced = L' ';
        m_spaced += text.str();
        const std::wstring_view fitted = m_fit.Fit(m_spaced, right - left, bBold);
        if (merge)
            m_definition += merge;
        m_definition += L"\\cellx"sv;
        appendNumber(m_definition, right);
        if (bBold)
            m_contents += L"\\b "sv;
        appendRtfText(m_contents, fitted);
        m_contents += bBold ? L"\\b0\\cell "sv : L"\\cell "sv;
    }

    static void appendNumber(std::wstring& s, long long n)
    {
        char digits[24];
        const auto end = std::to_chars(digits, digits + sizeof digits, n).ptr;
        s.append(digits, end);
    }

    CGXGridCore& m_grid;
    CGXCopyTextReader m_cells;
    CTextFit m_fit;
    std::wstring& m_rtf;
    long long m_nRowsLeft;
    ROWCOL m_nHeaderRows = 0;
    ROWCOL m_nHeaderCols = 0;
    std::wstring m_definition;
    std::wstring m_contents;
    std::wstring m_spaced;
};

} // namespace

CString Grid2Rtf(CGXGridCore& grid, const CGXRangeList& ranges, double dWidth)
{
    Spans rows, cols;
    ranges.GetRowArray(grid.GetRowCount(), rows.first, rows.last, FALSE);
    ranges.GetColArray(grid.GetColCount(), cols.first, cols.last, FALSE);
    if (rows.count() <= 0 || cols.count() <= 0)
        return L"No Table";
    const std::vector<Page> pages = splitIntoPages(grid, cols, kUnitsPerCm * dWidth);
    std::wstring rtf = kDocumentStart;
    TableWriter writer(grid, rtf, rows.count() * (long long)pages.size());
    for (size_t p = 0; p < pages.size(); ++p) {
        if (p > 0)
            rtf += L"\n\n"sv;
        writer.writePage(pages[p], rows);
    }
    rtf += kDocumentEnd;
    return CString(std::move(rtf));
}

} // namespace NVorel
