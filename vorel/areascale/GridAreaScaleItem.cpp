#include "areascale/GridAreaScaleItem.h"

#include "units/Qemet.h"

#include <cmath>

using Item = CGridAreaScale::CGridAreaScaleItem;
using areascale::kEpsilon;
using areascale::kPi;

namespace {

// The nearest of a run of values; the first of equally near ones wins, so a
// value half-way between two bars snaps to the smaller one.
template <class ValueAt> unsigned int nearestIndex(double dValue, size_t count, ValueAt valueAt)
{
    double best = 100000.0;
    unsigned int result = 0;
    for (size_t i = 0; i < count; ++i) {
        const double distance = std::fabs(dValue - valueAt(i));
        if (distance < best) {
            best = distance;
            result = (unsigned int)i;
        }
    }
    return result;
}

unsigned int nearestInTable(double dValue, const Item::DIM_TABLE_ITEM* pTable, int nCount)
{
    return nearestIndex(dValue, (size_t)std::max(nCount, 0), [&](size_t i) { return pTable[i].value; });
}

unsigned int nearestInList(double dValue, const std::vector<double>& vals)
{
    return nearestIndex(dValue, vals.size(), [&](size_t i) { return vals[i]; });
}

CString diameterText(double d)
{
    qemet::Qemet units;
    return units.CnvUnitSIToText(qemet::QEMET_TYPES(11), d, qemet::BASIC_UNIT(1), qemet::SEPARATOR_DEC_UNIT(0));
}

void appendChoice(CString& list, const CString& line, int bEmptyFirst)
{
    if (!list.IsEmpty() || bEmptyFirst) list += L"\n";
    list += line;
}

} // namespace

void Item::SetDimValue(int nDim, double dValue)
{
    (nDim == 1 ? m_dim1 : m_dim2) = dValue;
    CalculateArea();
}

void Item::SetSValue(double dS)
{
    m_S = dS;
    CalculateArea();
}

void Item::SetAmax(double dA, int bCalcS)
{
    m_Amax = dA;
    if (bCalcS) CalculateS();
}

// Two alternating diameters count with the mean of their bar areas.
static double barLayoutTerm(double dim1, double dim2)
{
    return dim2 > kEpsilon ? (dim1 * dim1 + dim2 * dim2) * 0.5 : dim1 * dim1;
}

void Item::CalculateArea()
{
    if (m_dim1 > kEpsilon && m_S > kEpsilon) m_Amax = barLayoutTerm(m_dim1, m_dim2) * 0.25 * kPi / m_S;
}

void Item::CalculateS()
{
    if (m_dim1 > kEpsilon && m_Amax > kEpsilon) m_S = barLayoutTerm(m_dim1, m_dim2) * 0.25 * kPi / m_Amax;
}

void Item::SetDiamList(const std::vector<double>* pVals, const std::vector<CString>* pNames)
{
    m_vDiamVals = pVals ? *pVals : std::vector<double>();
    m_vDiamNames = pNames ? *pNames : std::vector<CString>();
    if (!m_vDiamVals.empty() && m_vDiamVals.front() > kEpsilon) {
        m_vDiamVals.insert(m_vDiamVals.begin(), 0.0);
        m_vDiamNames.insert(m_vDiamNames.begin(), CString());
    }
}

bool Item::IsDiamList()
{
    return !m_vDiamVals.empty() && m_vDiamVals.size() == m_vDiamNames.size();
}

double Item::GetNearestValue(double dValue, const DIM_TABLE_ITEM* pTable, int nCount)
{
    return nCount > 0 ? pTable[nearestInTable(dValue, pTable, nCount)].value : 0.0;
}

double Item::GetNearestValue(double dValue, const std::vector<double>& vals)
{
    return vals.empty() ? 0.0 : vals[nearestInList(dValue, vals)];
}

double Item::GetNearestValue(double dValue, CGridAreaScale::eGridAreaScaleDimType eType)
{
    if (!(dValue > kEpsilon)) return dValue;
    switch (eType) {
    case CGridAreaScale::DIM_LIST_NAME:
    case CGridAreaScale::DIM_LIST_VALUE: return IsDiamList() ? GetNearestValue(dValue, m_vDiamVals) : dValue;
    case CGridAreaScale::DIM_ASTM: return GetNearestValue(dValue, m_arASTM, 12);
    case CGridAreaScale::DIM_CSA: return GetNearestValue(dValue, m_arCSA, 9);
    default: return dValue;
    }
}

unsigned int Item::GetDimValueIndex(int nDim, CGridAreaScale::eGridAreaScaleDimType eType) const
{
    const double v = GetDimValue(nDim);
    if (IsDiamList()) return nearestInList(v, m_vDiamVals);
    return eType == CGridAreaScale::DIM_ASTM ? nearestInTable(v, m_arASTM, 12) : nearestInTable(v, m_arCSA, 9);
}

void Item::SetDimValueIndex(int nDim, CGridAreaScale::eGridAreaScaleDimType eType, unsigned int nIndex)
{
    double value = 0.0;
    if (IsDiamList()) {
        if (nIndex < m_vDiamVals.size()) value = m_vDiamVals[nIndex];
    } else if (eType == CGridAreaScale::DIM_ASTM) {
        if (nIndex < 12) value = m_arASTM[nIndex].value;
    } else if (nIndex < 9) {
        value = m_arCSA[nIndex].value;
    }
    SetDimValue(nDim, value);
}

CString Item::GetChoiseList(CGridAreaScale::eGridAreaScaleDimType eType, int bEmptyFirst)
{
    CString list;
    if (IsDiamList()) {
        for (size_t i = 1; i < m_vDiamVals.size(); ++i)
            appendChoice(list, eType == CGridAreaScale::DIM_LIST_VALUE ? diameterText(m_vDiamVals[i]) : m_vDiamNames[i],
                         bEmptyFirst);
    } else if (eType == CGridAreaScale::DIM_METRIC) {
        for (int i = 1; i < 12; ++i) appendChoice(list, diameterText(m_arMETRIC[i].value), bEmptyFirst);
    } else {
        const bool astm = eType == CGridAreaScale::DIM_ASTM;
        const DIM_TABLE_ITEM* table = astm ? m_arASTM : m_arCSA;
        for (int i = 1; i < (astm ? 12 : 9); ++i) appendChoice(list, CString(table[i].name), bEmptyFirst);
    }
    return list;
}
