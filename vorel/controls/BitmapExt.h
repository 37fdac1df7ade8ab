#pragma once
// CBitmapExt: a bitmap loaded from resources with colour substitutions applied;
// by default light grey becomes the button-face colour of the moment.
#include "win/Afx.h"

namespace NVorel {

class CBitmapExt : public CBitmap {
public:
    CBitmapExt();
    ~CBitmapExt() override;
    CBitmapExt(const CBitmapExt&) = delete;
    CBitmapExt& operator=(const CBitmapExt&) = delete;

    bool AddMapping(COLORREF from, COLORREF to);
    // Removes every mapping, the default one included; the storage stays.
    bool ResetMappings();
    // From the module AfxFindResourceHandle finds for nId; false without a bitmap.
    bool LoadBitmapW(int nId);

    int GetMappingCount() const { return m_nCount; }
    int GetMappingCapacity() const { return m_nCapacity; }

protected:
    // Grows the table so that at least n mappings are in use; the count in use.
    int setColorMapLen(int n);

private:
    int m_nCount = 0;
    int m_nCapacity = 0;
    COLORMAP* m_pMap = nullptr;
};

} // namespace NVorel
