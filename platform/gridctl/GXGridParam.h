#pragma once
// CGXGridParam: the switches of a grid and its styles map, which it may own.
#include "gridctl/GXStylesMap.h"

#include <memory>

class CGXGridParam {
public:
    CGXGridParam() = default;
    CGXGridParam(const CGXGridParam&) = delete;
    CGXGridParam& operator=(const CGXGridParam&) = delete;

    void EnableUndo(BOOL bEnable = TRUE) { m_bUndo = bEnable; }
    BOOL IsEnableUndo() const { return m_bUndo; }
    void EnableMoveCols(BOOL bEnable = TRUE) { m_bMoveCols = bEnable; }
    BOOL IsEnableMoveCols() const { return m_bMoveCols; }
    void EnableMoveRows(BOOL bEnable = TRUE) { m_bMoveRows = bEnable; }
    BOOL IsEnableMoveRows() const { return m_bMoveRows; }
    // GX_TRACK_NONE or GX_TRACK_DEFAULT: whether the user may drag row heights.
    void EnableTrackRowHeight(UINT nFlags = GX_TRACK_DEFAULT) { m_nTrackRowHeight = nFlags; }
    UINT GetTrackRowHeight() const { return m_nTrackRowHeight; }

    CGXStylesMap* GetStylesMap() const { return m_pStylesMap; }
    // With bMustDelete the parameter object deletes the map when it is
    // replaced or when the object goes.
    void SetStylesMap(CGXStylesMap* pStylesMap, BOOL bMustDelete = TRUE);

private:
    BOOL m_bUndo = TRUE;
    BOOL m_bMoveCols = TRUE;
    BOOL m_bMoveRows = TRUE;
    UINT m_nTrackRowHeight = GX_TRACK_NONE;
    CGXStylesMap* m_pStylesMap = nullptr;
    std::unique_ptr<CGXStylesMap> m_pOwnedStylesMap;
};
