#pragma once
// Moving the keys of row-keyed containers (row heights, hidden rows, cells)
// when rows are inserted or removed.
#include "gridctl/GXIds.h"

#include <optional>

namespace gxdetail {

// `move` maps an old row to its new row, or to nothing for a removed row.
template <class Container, class Move> void moveRowKeys(Container& c, Move move)
{
    Container moved;
    while (!c.empty()) {
        auto node = c.extract(c.begin());
        std::optional<ROWCOL> row;
        if constexpr (requires { node.key(); }) {
            row = move(node.key());
            if (row)
                node.key() = *row;
        } else {
            row = move(node.value());
            if (row)
                node.value() = *row;
        }
        if (row)
            moved.insert(std::move(node));
    }
    c = std::move(moved);
}

template <class Container> void insertRowKeys(Container& c, ROWCOL nRow, ROWCOL nCount)
{
    moveRowKeys(c, [&](ROWCOL r) { return std::optional<ROWCOL>(r >= nRow ? r + nCount : r); });
}

template <class Container> void removeRowKeys(Container& c, ROWCOL nFromRow, ROWCOL nToRow)
{
    moveRowKeys(c, [&](ROWCOL r) -> std::optional<ROWCOL> {
        if (r < nFromRow)
            return r;
        if (r <= nToRow)
            return std::nullopt;
        return r - (nToRow - nFromRow + 1);
    });
}

} // namespace gxdetail
