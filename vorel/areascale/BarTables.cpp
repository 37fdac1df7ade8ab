// The bar-size tables and the process-wide diameter list.
#include "areascale/GridAreaScaleItem.h"

using Item = CGridAreaScale::CGridAreaScaleItem;

const Item::DIM_TABLE_ITEM Item::m_arMETRIC[12] = {
    {"", 0.0},   {"", 0.005}, {"", 0.006}, {"", 0.008}, {"", 0.01},  {"", 0.012},
    {"", 0.014}, {"", 0.016}, {"", 0.02},  {"", 0.025}, {"", 0.032}, {"", 0.04},
};

const Item::DIM_TABLE_ITEM Item::m_arASTM[12] = {
    {"", 0.0},          {"#3", 0.009525},    {"#4", 0.0127},     {"#5", 0.015875},
    {"#6", 0.01905},    {"#7", 0.022225},    {"#8", 0.0254},     {"#9", 0.0286512},
    {"#10", 0.032258},  {"#11", 0.035814},   {"#14", 0.0430022}, {"#18", 0.0573278},
};

const Item::DIM_TABLE_ITEM Item::m_arCSA[9] = {
    {"", 0.0},      {"10", 0.0113}, {"15", 0.016},  {"20", 0.0195}, {"25", 0.0252},
    {"30", 0.0299}, {"35", 0.0357}, {"45", 0.0437}, {"55", 0.0564},
};

// Module-level objects: constant-initialised, so they exist before the entry point.
std::vector<double> Item::m_vDiamVals;
std::vector<CString> Item::m_vDiamNames;
