#include "units/UnitCatalog.h"

#include <array>
#include <cwctype>

namespace qemet::catalog {

namespace {

constexpr double kInch = 0.0254; // exact by definition
constexpr double kFoot = 0.3048;

constexpr const wchar_t* kFt[] = {L"'", L"feet", L"foot"};
constexpr const wchar_t* kIn[] = {L"\"", L"inch", L"inches"};
constexpr const wchar_t* kM2[] = {L"m2", L"m^2"};
constexpr const wchar_t* kCm2[] = {L"cm2", L"cm^2"};
constexpr const wchar_t* kMm2[] = {L"mm2", L"mm^2"};
constexpr const wchar_t* kFt2[] = {L"ft2", L"ft^2"};
constexpr const wchar_t* kIn2[] = {L"in2", L"in^2"};
constexpr const wchar_t* kM2M[] = {L"m2/m", L"m^2/m"};
constexpr const wchar_t* kCm2M[] = {L"cm2/m", L"cm^2/m"};
constexpr const wchar_t* kMm2M[] = {L"mm2/m", L"mm^2/m"};
constexpr const wchar_t* kIn2Ft[] = {L"in2/ft", L"in^2/ft"};

const UnitInfo kUnits[] = {
    {QU_M, Dimension::Length, 1.0, 3, L"m", {}},
    {QU_CM, Dimension::Length, 0.01, 1, L"cm", {}},
    {QU_MM, Dimension::Length, 0.001, 1, L"mm", {}},
    {QU_FT, Dimension::Length, kFoot, 2, L"ft", kFt},
    {QU_IN, Dimension::Length, kInch, 2, L"in", kIn},
    {QU_M2, Dimension::Area, 1.0, 2, L"m\u00b2", kM2},
    {QU_CM2, Dimension::Area, 1e-4, 2, L"cm\u00b2", kCm2},
    {QU_MM2, Dimension::Area, 1e-6, 0, L"mm\u00b2", kMm2},
    {QU_FT2, Dimension::Area, kFoot * kFoot, 1, L"ft\u00b2", kFt2},
    {QU_IN2, Dimension::Area, kInch * kInch, 2, L"in\u00b2", kIn2},
    {QU_M2_M, Dimension::AreaPerLength, 1.0, 5, L"m\u00b2/m", kM2M},
    {QU_CM2_M, Dimension::AreaPerLength, 1e-4, 2, L"cm\u00b2/m", kCm2M},
    {QU_MM2_M, Dimension::AreaPerLength, 1e-6, 0, L"mm\u00b2/m", kMm2M},
    {QU_IN2_FT, Dimension::AreaPerLength, kInch * kInch / kFoot, 3, L"in\u00b2/ft", kIn2Ft},
};

struct KindInfo {
    QEMET_TYPES kind;
    Dimension dimension;
    Choice metric;
    Choice imperial;
};

const KindInfo kKinds[] = {
    {QT_NUMBER, Dimension::None, {QU_NONE, 3}, {QU_NONE, 3}},
    {QT_LENGTH, Dimension::Length, {QU_M, 3}, {QU_FT, 2}},
    {QT_SECTION_SIZE, Dimension::Length, {QU_CM, 1}, {QU_IN, 2}},
    {QT_LEGEND_LENGTH, Dimension::Length, {QU_M, 2}, {QU_FT, 2}},
    {QT_DISPLACEMENT, Dimension::Length, {QU_MM, 1}, {QU_IN, 3}},
    {QT_COVER, Dimension::Length, {QU_MM, 0}, {QU_IN, 2}},
    {QT_THICKNESS, Dimension::Length, {QU_CM, 1}, {QU_IN, 2}},
    {QT_BAR_SPACING, Dimension::Length, {QU_CM, 1}, {QU_IN, 2}},
    {QT_SECTION_AREA, Dimension::Area, {QU_CM2, 2}, {QU_IN2, 2}},
    {QT_SURFACE_AREA, Dimension::Area, {QU_M2, 2}, {QU_FT2, 1}},
    {QT_BAR_AREA, Dimension::Area, {QU_CM2, 2}, {QU_IN2, 3}},
    {QT_BAR_DIAMETER, Dimension::Length, {QU_MM, 1}, {QU_IN, 3}},
    {QT_REINF_AREA, Dimension::AreaPerLength, {QU_CM2_M, 2}, {QU_IN2_FT, 3}},
};

constexpr int kMaxDecimals = 12;

const KindInfo* findKind(QEMET_TYPES kind)
{
    for (const KindInfo& k : kKinds)
        if (k.kind == kind) return &k;
    return nullptr;
}

// The current choice, indexed like kKinds.
std::array<Choice, std::size(kKinds)>& choices()
{
    static std::array<Choice, std::size(kKinds)> current = [] {
        std::array<Choice, std::size(kKinds)> c{};
        for (size_t i = 0; i < std::size(kKinds); ++i) c[i] = kKinds[i].metric;
        return c;
    }();
    return current;
}

bool sameNoCase(const std::wstring& a, const wchar_t* b)
{
    size_t i = 0;
    for (; i < a.size() && b[i]; ++i)
        if (std::towlower((wint_t)a[i]) != std::towlower((wint_t)b[i])) return false;
    return i == a.size() && !b[i];
}

} // namespace

const UnitInfo* findUnit(QEMET_UNITS unit)
{
    for (const UnitInfo& u : kUnits)
        if (u.unit == unit) return &u;
    return nullptr;
}

const UnitInfo* unitBySymbol(const std::wstring& text)
{
    for (const UnitInfo& u : kUnits) {
        if (sameNoCase(text, u.symbol)) return &u;
        for (const wchar_t* alias : u.aliases)
            if (sameNoCase(text, alias)) return &u;
    }
    return nullptr;
}

Dimension dimensionOf(QEMET_TYPES kind)
{
    const KindInfo* k = findKind(kind);
    return k ? k->dimension : Dimension::None;
}

Choice currentChoice(QEMET_TYPES kind)
{
    const KindInfo* k = findKind(kind);
    return k ? choices()[(size_t)(k - kKinds)] : kKinds[0].metric;
}

void applySystem(UNIT_SYSTEM system)
{
    for (size_t i = 0; i < std::size(kKinds); ++i)
        choices()[i] = system == US_IMPERIAL ? kKinds[i].imperial : kKinds[i].metric;
}

bool setChoice(QEMET_TYPES kind, Choice choice)
{
    const KindInfo* k = findKind(kind);
    const UnitInfo* u = findUnit(choice.unit);
    if (!k || !u || u->dimension != k->dimension || choice.decimals > kMaxDecimals)
        return false;
    if (choice.decimals < 0) choice.decimals = u->decimals;
    choices()[(size_t)(k - kKinds)] = choice;
    return true;
}

} // namespace qemet::catalog
