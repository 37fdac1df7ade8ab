#pragma once
// The units and kinds qemet knows, and the process-wide display choice per kind.
// Private to platform/units.
#include "units/Qemet.h"

#include <span>

namespace qemet::catalog {

enum class Dimension { None, Length, Area, AreaPerLength };

struct UnitInfo {
    QEMET_UNITS unit;
    Dimension dimension;
    double factorSI;          // SI value of one unit
    int decimals;             // default decimals
    const wchar_t* symbol;
    std::span<const wchar_t* const> aliases; // further accepted spellings
};

struct Choice {
    QEMET_UNITS unit;
    int decimals;
};

// Null for an unknown unit.
const UnitInfo* findUnit(QEMET_UNITS unit);
// The unit written as text (symbol or alias, any letter case), or null.
const UnitInfo* unitBySymbol(const std::wstring& text);

// The kind's dimension; None for QT_NUMBER and numbers that are no kind.
Dimension dimensionOf(QEMET_TYPES kind);

// The current display choice of a kind; QU_NONE for kinds without a unit.
Choice currentChoice(QEMET_TYPES kind);
void applySystem(UNIT_SYSTEM system);
bool setChoice(QEMET_TYPES kind, Choice choice);

} // namespace qemet::catalog
