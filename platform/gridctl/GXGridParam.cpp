#include "gridctl/GXGridParam.h"

void CGXGridParam::SetStylesMap(CGXStylesMap* pStylesMap, BOOL bMustDelete)
{
    if (pStylesMap != m_pOwnedStylesMap.get())
        m_pOwnedStylesMap.reset(bMustDelete ? pStylesMap : nullptr);
    else if (!bMustDelete)
        m_pOwnedStylesMap.release();
    m_pStylesMap = pStylesMap;
}
