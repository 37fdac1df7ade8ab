#pragma once
// A memory DC compatible with another DC, with a bitmap selected for its
// lifetime. The bitmap is given back at the end, so that it can be selected,
// replaced or deleted afterwards.
#include "win/Afx.h"

namespace NVorel {

class CBitmapDC : public CDC {
public:
    CBitmapDC(CDC* pCompatible, CBitmap& bitmap)
    {
        CreateCompatibleDC(pCompatible);
        m_pOld = SelectObject(&bitmap);
    }
    ~CBitmapDC() override
    {
        if (m_pOld) SelectObject(m_pOld);
    }

private:
    CBitmap* m_pOld = nullptr;
};

} // namespace NVorel
