// The RTF table of a grid window whose cells hold arbitrary texts (any UTF-16
// code units, line breaks, braces, backslashes), with arbitrary column widths,
// covered blocks, bold cells, ranges and page widths. Whatever the cells hold,
// the document must stay well-formed RTF: plain ASCII, no control character but
// the line ends between its parts, every backslash starting a control word or
// an escaped symbol, and its groups balanced.
#include "grid/Grid2Rtf.h"
#include "gridctl/GXGridWnd.h"
#include "win/Afx.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>
#include <cwctype>
#include <string>

namespace {

std::wstring wideText(FuzzedDataProvider& in)
{
    const std::string bytes = in.ConsumeRandomLengthString(48);
    std::wstring text;
    for (size_t i = 0; i + 1 < bytes.size(); i += 2)
        text.push_back((wchar_t)((unsigned char)bytes[i] | (unsigned char)bytes[i + 1] << 8));
    return text;
}

bool isWellFormedRtf(const std::wstring& rtf)
{
    int depth = 0;
    for (size_t i = 0; i < rtf.size(); ++i) {
        const wchar_t c = rtf[i];
        if (c >= 128 || (c < 32 && c != L'\n'))
            return false;
        if (c == L'\\') {
            if (++i == rtf.size())
                return false;
            const wchar_t next = rtf[i];
            if (!(iswlower(next) || next == L'\\' || next == L'{' || next == L'}' || next == L'*' || next == L'\''))
                return false;
        } else if (c == L'{') {
            ++depth;
        } else if (c == L'}' && --depth < 0) {
            return false;
        }
    }
    return depth == 0;
}

struct Table {
    Table()
    {
        // Hidden: the texts are fitted all the same, and nothing is painted.
        frame.CreateEx(0, nullptr, L"", WS_POPUP, CRect(0, 0, 400, 300), nullptr, 0);
        grid.Create(0, CRect(0, 0, 380, 280), &frame, 1);
    }
    CWnd frame;
    CGXGridWnd grid;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static Table table; // one window for the whole run, refilled for each input
    CGXGridWnd& grid = table.grid;
    FuzzedDataProvider in(data, size);
    const ROWCOL rows = in.ConsumeIntegralInRange<int>(0, 6), cols = in.ConsumeIntegralInRange<int>(0, 6);
    grid.SetRowCount(0);
    grid.SetColCount(0);
    grid.SetRowCount(rows);
    grid.SetColCount(cols);
    for (ROWCOL c = 0; c <= cols; ++c)
        grid.SetColWidth(c, c, in.ConsumeIntegralInRange<int>(0, 200));
    CGXStyle bold;
    bold.SetFont(CGXFont().SetBold(TRUE));
    for (ROWCOL r = 0; r <= rows && in.remaining_bytes() > 0; ++r)
        for (ROWCOL c = 0; c <= cols && in.remaining_bytes() > 0; ++c) {
            grid.SetValueRange(CGXRange(r, c), wideText(in).c_str());
            if (in.ConsumeBool())
                grid.StoreStyleRowCol(r, c, &bold, gxOverride, 0);
        }
    if (in.ConsumeBool())
        grid.SetCoveredCellsRowCol(in.ConsumeIntegralInRange<int>(0, 6), in.ConsumeIntegralInRange<int>(0, 6),
                                   in.ConsumeIntegralInRange<int>(0, 6), in.ConsumeIntegralInRange<int>(0, 6));
    CGXRangeList ranges;
    for (int n = in.ConsumeIntegralInRange<int>(0, 3); n > 0; --n)
        ranges.AddTail(CGXRange(in.ConsumeIntegralInRange<int>(0, 7), in.ConsumeIntegralInRange<int>(0, 7), in.ConsumeIntegralInRange<int>(0, 7),
                                in.ConsumeIntegralInRange<int>(0, 7)));
    if (ranges.IsEmpty())
        ranges.AddTail(CGXRange().SetTable());
    const double width = in.ConsumeFloatingPointInRange(-5.0, 60.0);
    const std::wstring rtf = NVorel::Grid2Rtf(grid, ranges, width).GetString();
    if (rtf != L"No Table" && !isWellFormedRtf(rtf))
        std::abort();
    return 0;
}
