#pragma once
// One row of an area scale: a bar layout (one diameter, or two that alternate,
// at a spacing), the area range it covers, its colour and flags. All values SI:
// metres and square metres per metre.
#include "areascale/GridAreaScale.h"

class CGridAreaScale::CGridAreaScaleItem : public CObject {
public:
    struct DIM_TABLE_ITEM {
        const char* name;
        double value;
    };

    // Bar tables; entry 0 is the no-bar entry, the rest ascend by diameter.
    static const DIM_TABLE_ITEM m_arMETRIC[12];
    static const DIM_TABLE_ITEM m_arASTM[12];
    static const DIM_TABLE_ITEM m_arCSA[9];

    // The host's diameter list, shared by every item and grid of the process.
    static std::vector<double> m_vDiamVals;
    static std::vector<CString> m_vDiamNames;

    CGridAreaScaleItem() = default;
    CGridAreaScaleItem(const CGridAreaScaleItem& other) = default;
    CGridAreaScaleItem& operator=(const CGridAreaScaleItem& other) = default;
    void Copy(const CGridAreaScaleItem& other) { *this = other; }
    ~CGridAreaScaleItem() override = default;

    double GetDimValue(int nDim) const { return nDim == 1 ? m_dim1 : m_dim2; }
    void SetDimValue(int nDim, double dValue);
    double GetSValue() const { return m_S; }
    void SetSValue(double dS);
    double GetAmin() const { return m_Amin; }
    void SetAmin(double dA) { m_Amin = dA; }
    double GetAmax() const { return m_Amax; }
    void SetAmax(double dA, int bCalcS);
    unsigned long GetColor() const { return m_color; }
    void SetColor(unsigned long color) { m_color = color; }
    int GetAutoColor() const { return m_autoColor; }
    void SetAutoColor(int bAuto) { m_autoColor = bAuto; }
    int GetVisibility() const { return m_visibility; }
    void SetVisibility(int bVisible) { m_visibility = bVisible; }

    // A list whose first diameter is above 0 gets a leading no-bar position.
    static void SetDiamList(const std::vector<double>* pVals, const std::vector<CString>* pNames);
    static bool IsDiamList();

    static double GetNearestValue(double dValue, CGridAreaScale::eGridAreaScaleDimType eType);
    unsigned int GetDimValueIndex(int nDim, CGridAreaScale::eGridAreaScaleDimType eType) const;
    // An index outside the table or list sets the diameter to 0: no bar.
    void SetDimValueIndex(int nDim, CGridAreaScale::eGridAreaScaleDimType eType, unsigned int nIndex);
    // One line per choice, joined by "\n"; bEmptyFirst puts the no-bar line first.
    static CString GetChoiseList(CGridAreaScale::eGridAreaScaleDimType eType, int bEmptyFirst);

    double m_dim1 = 0.01;
    double m_dim2 = 0.0;
    double m_S = 0.01;
    double m_Amin = 0.0;
    double m_Amax = 0.0;
    unsigned long m_color = 0x00FFFFFF;
    int m_autoColor = 1;
    int m_visibility = 1;

protected:
    void CalculateArea();
    void CalculateS();

    static double GetNearestValue(double dValue, const DIM_TABLE_ITEM* pTable, int nCount);
    static double GetNearestValue(double dValue, const std::vector<double>& vals);
};

namespace areascale {
// Values that differ by less than this are equal; a value above it is positive.
constexpr double kEpsilon = 1.1920928955078125e-7;
constexpr double kPi = 3.141592653589793;
} // namespace areascale
