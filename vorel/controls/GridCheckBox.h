#pragma once
// GridCheckBox: a check box cell drawn with the library's own 13 x 13
// pictures (bitmaps 484 to 487 of vorel.dll), converted for the screen's
// DPI: checked or not, enabled or disabled, centred in the whole cell.
// Clicks and Space are the base check box's.
#include "bitmaps/MBitmap.h"
#include "gridctl/GXCheckBox.h"

namespace NVorel {

class GridCheckBox : public CGXCheckBox {
public:
    // The three values go unchanged to the base check box.
    GridCheckBox(CGXGridCore* pGrid, int bDraw3dFrame = TRUE, unsigned int nBitmapResourceId = 0,
                 unsigned int nPressedResourceId = 0);
    GridCheckBox(const GridCheckBox&) = delete;
    GridCheckBox& operator=(const GridCheckBox&) = delete;
    ~GridCheckBox() override;

    // Picks the picture for the value ("0" unchecked, anything else checked)
    // and the cell's enabled state, then draws as the base does.
    void Draw(CDC* pDC, CRect rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
              const CGXStyle* pStandardStyle) override;
    // The picture's draw, no caption; before the first Draw the base's.
    void DrawCheckBox(CDC* pDC, CRect rect, ROWCOL nRow, ROWCOL nCol, UINT nState, DWORD dtAlign,
                      const wchar_t* lpszString) override;
    // The picture centred in the whole cell; before the first Draw the base's.
    CRect ComputeCheckBoxRect(CDC* pDC, CRect rcItem, const wchar_t* lpszString, DWORD dtAlign) override;

private:
    CSize currentSize() const;

    MBitmap m_bmpChecked;
    MBitmap m_bmpUnchecked;
    MBitmap m_bmpCheckedDisabled;
    MBitmap m_bmpUncheckedDisabled;
    MBitmap* m_pCurrent = nullptr;
};

} // namespace NVorel
