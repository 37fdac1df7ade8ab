#include "grid/StandardStyles.h"

#include "sysinfo/SysInfo.h"

#include <memory>

namespace NVorel {

void CreateStandardStylesWithCharset(CGXGridCore* pGrid)
{
    if (!pGrid->GetParam())
        pGrid->SetParam(new CGXGridParam, TRUE);
    CGXGridParam* param = pGrid->GetParam();
    if (param->GetStylesMap())
        return;
    auto* map = new CGXStylesMap;
    map->CreateStandardStyles();
    map->ReadProfile();
    param->SetStylesMap(map, TRUE);
}

namespace {

CGXStylesMap* stylesMapOf(CGXGridCore* pGrid)
{
    CGXGridParam* param = pGrid ? pGrid->GetParam() : nullptr;
    return param ? param->GetStylesMap() : nullptr;
}

} // namespace

void SetTabBeamFont(CGXTabBeam& beam, short nLang, CGXGridCore* pGrid)
{
    CGXStylesMap temporary;
    CGXStylesMap* map = stylesMapOf(pGrid);
    if (!map) {
        temporary.CreateStandardStyles();
        temporary.ReadProfile();
        map = &temporary;
    }
    CGXStyle* standard = nullptr;
    if (!map->LookupStyle(map->m_wStyleStandard, standard) || !standard->GetIncludeFont())
        return;

    LOGFONT lf{};
    standard->GetFont().GetLogFont(lf, 100);
    lf.lfHeight = beam.m_nHeight - 2;
    lf.lfCharSet = SYS_GetCharSet(nLang);
    lf.lfClipPrecision = CLIP_LH_ANGLES | CLIP_STROKE_PRECIS;
    lf.lfQuality = DEFAULT_QUALITY;
    lf.lfPitchAndFamily = FF_SWISS | DEFAULT_PITCH;
    lf.lfWeight = FW_NORMAL;
    auto normal = std::make_unique<CFont>();
    const BOOL bNormal = normal->CreateFontIndirect(&lf);
    lf.lfWeight = FW_BOLD;
    auto bold = std::make_unique<CFont>();
    if (!bNormal || !bold->CreateFontIndirect(&lf))
        return;
    beam.DestroyFonts();
    beam.m_pFontCurrent = bold.release();
    beam.m_pFontNormal = normal.release();
}

} // namespace NVorel
