#pragma once
// GridComboBox: a combo-box cell whose drop-down list is stretched by the
// screen's vertical DPI factor, read once per process.
#include "gridctl/GXComboBox.h"

namespace NVorel {

class GridComboBox : public CGXComboBox {
public:
    // The three values go unchanged to the base combo box.
    GridComboBox(CGXGridCore* pGrid, unsigned int nEditID, unsigned int nListBoxID, unsigned int nFlags)
        : CGXComboBox(pGrid, nEditID, nListBoxID, nFlags)
    {
    }
    ~GridComboBox() override = default;

protected:
    CRect OnGetListboxRect(const CRect& rcCellRect) override;
};

} // namespace NVorel
