#pragma once
// qemet: physical quantities between SI values and the user's display text.
//
// Every value inside the library is SI (metres, square metres, square metres per
// metre). A quantity kind (QEMET_TYPES) says what a value is; the process-wide
// display-unit choice says how the user sees it: one display unit and a number
// of decimals per kind. Call sites make a default-constructed Qemet and ask it;
// the choice itself is set by the host through the static setters below (GUI
// thread only, unsynchronised, like the rest of the library's module state).
//
// Defaults (metric system, in force at start-up):
//   lengths m (3 decimals), legend lengths m (2), section sizes and thickness
//   cm (1), displacement mm (1), cover mm (0), bar spacing cm (1), bar
//   diameter mm (1), section and bar areas cm2 (2), surface area m2 (2),
//   reinforcement per width cm2/m (2).
// Imperial system: lengths and legend lengths ft (2), section sizes, thickness,
//   cover and spacing in (2), displacement in (3), bar diameter in (3), section
//   area in2 (2), bar area in2 (3), surface area ft2 (1), reinforcement per
//   width in2/ft (3).
//
// Text formats:
//   Formatting rounds to the kind's decimals, never writes an exponent, a
//   thousands separator or "-0", and gives an empty text for a non-finite value.
//   Reading accepts what formatting writes and what a user types: surrounding
//   spaces, a sign, a decimal point or comma, an exponent (1.5e-3), and a unit
//   symbol after the number (spaces allowed, letters in any case; "2" or "^2"
//   for "²", ' for ft and " for in). Anything else is refused.
#include "win/kernel/String.h"

namespace qemet {

// Quantity kinds. The numbers are part of the interface (hosts store them);
// numbers without an enumerator are no kind and behave as QT_NUMBER.
enum QEMET_TYPES : int {
    QT_NUMBER = 0,            // plain number, no unit
    QT_LENGTH = 1,            // member length, span, storey height
    QT_SECTION_SIZE = 2,      // width or depth of a cross-section
    QT_LEGEND_LENGTH = 3,     // lengths and coordinates on charts and legends
    QT_DISPLACEMENT = 4,      // deflection, displacement
    QT_COVER = 5,             // concrete cover
    QT_THICKNESS = 6,         // slab or wall thickness
    QT_BAR_SPACING = 7,       // spacing of reinforcement bars
    QT_SECTION_AREA = 8,      // cross-section area
    QT_SURFACE_AREA = 9,      // plan or surface area
    QT_BAR_AREA = 10,         // area of one bar or a bar group
    QT_BAR_DIAMETER = 11,     // reinforcement bar diameter
    QT_REINF_AREA = 21,       // reinforcement area per unit width (m2/m)
};

// Display units.
enum QEMET_UNITS : int {
    QU_NONE = 0,
    QU_M, QU_CM, QU_MM, QU_FT, QU_IN,
    QU_M2, QU_CM2, QU_MM2, QU_FT2, QU_IN2,
    QU_M2_M, QU_CM2_M, QU_MM2_M, QU_IN2_FT,
};

enum UNIT_SYSTEM : int { US_METRIC = 0, US_IMPERIAL = 1 };

// Basic-unit flag: which unit the text is in.
//   BU_DISPLAY (1): a plain number in the kind's display unit. Formatting writes
//     no symbol (callers put it where they want one); reading accepts the number
//     alone or followed by the display unit's symbol.
//   BU_ANY (0): the text names its unit. Formatting appends " " and the symbol;
//     reading accepts any unit of the kind's dimension by its symbol ("1.2 cm"
//     for a diameter shown in mm) and the display unit when there is none.
using BASIC_UNIT = int;
constexpr BASIC_UNIT BU_ANY = 0;
constexpr BASIC_UNIT BU_DISPLAY = 1;

// Decimal separator written by formatting: 0 a point, 1 a comma. Reading takes
// either.
using SEPARATOR_DEC_UNIT = int;
constexpr SEPARATOR_DEC_UNIT SDU_POINT = 0;
constexpr SEPARATOR_DEC_UNIT SDU_COMMA = 1;

// Results of CnvUnitSIToDouble; every failure leaves the result untouched.
enum QEMET_RESULT : int {
    QR_OK = 0,
    QR_EMPTY = 1,       // null, empty or blank text
    QR_NOT_NUMBER = 2,  // no well-formed finite number
    QR_BAD_UNIT = 3,    // text after the number is no accepted unit symbol
};

// The display unit of a kind as it stands now.
struct TypeUnit {
    QEMET_TYPES nType;
    QEMET_UNITS nUnit;
    int nDecimals;
    double dFactorSI;    // SI value of one display unit
    CString strName;     // full name, as column titles show it
    CString strSymbol;   // unit symbol written after values
};

class Qemet {
public:
    // The value as text in the kind's display unit.
    CString CnvUnitSIToText(QEMET_TYPES kind, double value, BASIC_UNIT basic, SEPARATOR_DEC_UNIT sep) const;
    // Reads a display text back to SI; QR_OK (0) on success.
    int CnvUnitSIToDouble(double& result, QEMET_TYPES kind, const wchar_t* text, BASIC_UNIT basic) const;
    // The display unit's full name; bBrackets puts it in parentheses, "(mm)",
    // as a title line of its own. A kind without unit gives an empty text.
    CString GetFullNameUnit(QEMET_TYPES kind, bool bBrackets) const;
    TypeUnit GetTypeUnit(QEMET_TYPES kind) const;

    // Sets every kind to the system's default unit and decimals.
    static void SetUnitSystem(UNIT_SYSTEM system);
    // Sets one kind's display unit; nDecimals < 0 takes the unit's own default
    // (m 3, cm 1, mm 1, ft 2, in 2, m2 2, cm2 2, mm2 0, ft2 1, in2 2, m2/m 5,
    // cm2/m 2, mm2/m 0, in2/ft 3). False (and no change) when the unit measures
    // something else than the kind, for QT_NUMBER, or above 12 decimals.
    static bool SetDisplayUnit(QEMET_TYPES kind, QEMET_UNITS unit, int nDecimals = -1);
};

} // namespace qemet
