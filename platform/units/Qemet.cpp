#include "units/Qemet.h"

#include "units/UnitCatalog.h"

#include <charconv>
#include <cmath>
#include <cwctype>

namespace qemet {

using catalog::Choice;
using catalog::UnitInfo;

namespace {

// Fixed-point text of a display value; the C locale never enters.
std::wstring fixedText(double value, int decimals, SEPARATOR_DEC_UNIT sep)
{
    char buf[400];
    const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, decimals);
    std::wstring text(buf, res.ec == std::errc() ? res.ptr : buf);
    if (text.find_first_of(L"123456789") == std::wstring::npos && !text.empty() && text[0] == L'-')
        text.erase(0, 1); // a value that rounds to zero shows no sign
    if (sep == SDU_COMMA)
        for (wchar_t& ch : text)
            if (ch == L'.') ch = L',';
    return text;
}

bool isDigit(wchar_t ch) { return ch >= L'0' && ch <= L'9'; }

// Scans sign, digits, one decimal point or comma, digits and an optional
// exponent at text[pos]; fills the number in C form and moves pos past it.
bool scanNumber(const std::wstring& text, size_t& pos, std::string& number)
{
    size_t i = pos;
    if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) {
        if (text[i] == L'-') number += '-';
        ++i;
    }
    int digits = 0;
    bool separator = false;
    for (; i < text.size(); ++i) {
        if (isDigit(text[i])) {
            number += (char)text[i];
            ++digits;
        } else if ((text[i] == L'.' || text[i] == L',') && !separator) {
            number += '.';
            separator = true;
        } else {
            break;
        }
    }
    if (digits == 0) return false;
    if (i < text.size() && (text[i] == L'e' || text[i] == L'E')) {
        size_t j = i + 1;
        std::string exponent = "e";
        if (j < text.size() && (text[j] == L'+' || text[j] == L'-')) exponent += (char)text[j++];
        const size_t first = j;
        while (j < text.size() && isDigit(text[j])) exponent += (char)text[j++];
        if (j == first) return false;
        number += exponent;
        i = j;
    }
    pos = i;
    return true;
}

std::wstring trimmed(const std::wstring& s)
{
    size_t b = 0, e = s.size();
    while (b < e && std::iswspace((wint_t)s[b])) ++b;
    while (e > b && std::iswspace((wint_t)s[e - 1])) --e;
    return s.substr(b, e - b);
}

// The unit a text's symbol names, for a kind shown in `shown`.
const UnitInfo* unitOfText(const std::wstring& symbol, QEMET_TYPES kind, const UnitInfo* shown, BASIC_UNIT basic)
{
    if (symbol.empty()) return shown;
    const UnitInfo* named = catalog::unitBySymbol(symbol);
    if (!named || !shown) return nullptr;
    if (basic == BU_DISPLAY) return named == shown ? named : nullptr;
    return named->dimension == catalog::dimensionOf(kind) ? named : nullptr;
}

} // namespace

CString Qemet::CnvUnitSIToText(QEMET_TYPES kind, double value, BASIC_UNIT basic, SEPARATOR_DEC_UNIT sep) const
{
    if (!std::isfinite(value)) return CString();
    const Choice choice = catalog::currentChoice(kind);
    const UnitInfo* unit = catalog::findUnit(choice.unit);
    CString text(fixedText(unit ? value / unit->factorSI : value, choice.decimals, sep));
    if (basic == BU_ANY && unit) {
        text += L' ';
        text += unit->symbol;
    }
    return text;
}

int Qemet::CnvUnitSIToDouble(double& result, QEMET_TYPES kind, const wchar_t* text, BASIC_UNIT basic) const
{
    const std::wstring s = trimmed(text ? text : L"");
    if (s.empty()) return QR_EMPTY;
    size_t pos = 0;
    std::string number;
    if (!scanNumber(s, pos, number)) return QR_NOT_NUMBER;
    double value = 0.0;
    const auto res = std::from_chars(number.data(), number.data() + number.size(), value);
    if (res.ec != std::errc() || res.ptr != number.data() + number.size() || !std::isfinite(value))
        return QR_NOT_NUMBER;
    const UnitInfo* shown = catalog::findUnit(catalog::currentChoice(kind).unit);
    const std::wstring symbol = trimmed(s.substr(pos));
    const UnitInfo* unit = unitOfText(symbol, kind, shown, basic);
    if (!symbol.empty() && !unit) return QR_BAD_UNIT;
    const double si = unit ? value * unit->factorSI : value;
    if (!std::isfinite(si)) return QR_NOT_NUMBER;
    result = si;
    return QR_OK;
}

CString Qemet::GetFullNameUnit(QEMET_TYPES kind, bool bBrackets) const
{
    const UnitInfo* unit = catalog::findUnit(catalog::currentChoice(kind).unit);
    if (!unit) return CString();
    return bBrackets ? CString(L"(") + unit->symbol + L")" : CString(unit->symbol);
}

TypeUnit Qemet::GetTypeUnit(QEMET_TYPES kind) const
{
    const Choice choice = catalog::currentChoice(kind);
    const UnitInfo* unit = catalog::findUnit(choice.unit);
    const CString symbol = unit ? unit->symbol : L"";
    const QEMET_TYPES type = catalog::dimensionOf(kind) == catalog::Dimension::None ? QT_NUMBER : kind;
    return TypeUnit{type, choice.unit, choice.decimals, unit ? unit->factorSI : 1.0, symbol, symbol};
}

void Qemet::SetUnitSystem(UNIT_SYSTEM system)
{
    catalog::applySystem(system);
}

bool Qemet::SetDisplayUnit(QEMET_TYPES kind, QEMET_UNITS unit, int nDecimals)
{
    return catalog::setChoice(kind, Choice{unit, nDecimals});
}

} // namespace qemet
