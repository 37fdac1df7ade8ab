#include "gridctl/GXGridParam.h"

#include "gridctl/GXOwnership.h"

void CGXGridParam::SetStylesMap(CGXStylesMap* pStylesMap, BOOL bMustDelete)
{
    gxdetail::adopt(m_pStylesMap, m_pOwnedStylesMap, pStylesMap, bMustDelete);
}
