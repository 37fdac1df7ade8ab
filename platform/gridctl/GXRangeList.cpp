#include "gridctl/GXRangeList.h"

#include <algorithm>
#include <utility>

namespace {

using Span = std::pair<ROWCOL, ROWCOL>;

// Appends the parts of [first, last] that no span in `taken` covers yet.
void addUncovered(std::vector<Span>& taken, ROWCOL first, ROWCOL last, CRowColArray& starts, CRowColArray& ends)
{
    std::vector<Span> pieces{{first, last}};
    for (const Span& t : taken) {
        std::vector<Span> next;
        for (const Span& p : pieces) {
            if (t.second < p.first || t.first > p.second) {
                next.push_back(p);
                continue;
            }
            if (p.first < t.first)
                next.push_back({p.first, t.first - 1});
            if (p.second > t.second)
                next.push_back({t.second + 1, p.second});
        }
        pieces = std::move(next);
    }
    std::sort(pieces.begin(), pieces.end());
    for (const Span& p : pieces) {
        starts.Add(p.first);
        ends.Add(p.second);
        taken.push_back(p);
    }
}

// Shared walk of GetRowArray and GetColArray; `span` gives a range's extent
// on the axis asked for, `whole` whether it spans the other axis completely.
template <class SpanOf, class Whole>
BOOL collectSpans(const CGXRangeList& list, ROWCOL nCount, CRowColArray& starts, CRowColArray& ends,
                  BOOL bWholeOnly, SpanOf span, Whole whole)
{
    starts.RemoveAll();
    ends.RemoveAll();
    std::vector<Span> taken;
    for (const CGXRange& r : list) {
        if (!r.IsValid() || (bWholeOnly && !whole(r)))
            continue;
        const Span s = span(r);
        if (s.first <= nCount)
            addUncovered(taken, s.first, std::min(s.second, nCount), starts, ends);
    }
    return starts.GetSize() > 0;
}

} // namespace

BOOL CGXRangeList::IsCellInList(ROWCOL nRow, ROWCOL nCol) const
{
    return std::any_of(m_ranges.begin(), m_ranges.end(),
                       [&](const CGXRange& r) { return r.IsCellInRange(nRow, nCol); });
}

void CGXRangeList::Subtract(const CGXRange& cut)
{
    std::vector<CGXRange> kept;
    for (const CGXRange& r : m_ranges) {
        if (!r.Intersects(cut)) {
            kept.push_back(r);
            continue;
        }
        // Bands above and below the cut over the full width, then the parts
        // left and right of it within the cut's rows.
        const ROWCOL midTop = std::max(r.top, cut.top);
        const ROWCOL midBottom = std::min(r.bottom, cut.bottom);
        if (r.top < cut.top)
            kept.push_back(CGXRange(r.top, r.left, cut.top - 1, r.right));
        if (r.bottom > cut.bottom)
            kept.push_back(CGXRange(cut.bottom + 1, r.left, r.bottom, r.right));
        if (r.left < cut.left)
            kept.push_back(CGXRange(midTop, r.left, midBottom, cut.left - 1));
        if (r.right > cut.right)
            kept.push_back(CGXRange(midTop, cut.right + 1, midBottom, r.right));
    }
    m_ranges = std::move(kept);
}

BOOL CGXRangeList::GetRowArray(ROWCOL nRowCount, CRowColArray& awStarts, CRowColArray& awEnds,
                               BOOL bRangeRowsOnly) const
{
    return collectSpans(
        *this, nRowCount, awStarts, awEnds, bRangeRowsOnly,
        [](const CGXRange& r) { return Span{r.top, r.bottom}; }, [](const CGXRange& r) { return r.IsRows(); });
}

BOOL CGXRangeList::GetColArray(ROWCOL nColCount, CRowColArray& awStarts, CRowColArray& awEnds,
                               BOOL bRangeColsOnly) const
{
    return collectSpans(
        *this, nColCount, awStarts, awEnds, bRangeColsOnly,
        [](const CGXRange& r) { return Span{r.left, r.right}; }, [](const CGXRange& r) { return r.IsCols(); });
}

void CGXRangeList::OnInsertRows(ROWCOL nRow, ROWCOL nCount)
{
    for (CGXRange& r : m_ranges)
        r.OnInsertRows(nRow, nCount);
}

void CGXRangeList::OnRemoveRows(ROWCOL nFromRow, ROWCOL nToRow)
{
    std::erase_if(m_ranges, [&](CGXRange& r) { return !r.OnRemoveRows(nFromRow, nToRow); });
}
