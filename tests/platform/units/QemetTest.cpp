#include "units/Qemet.h"
#include "win/kernel/Utf8.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace qemet;

namespace {

// The display choice is process-wide; every test starts and ends metric.
class Units : public ::testing::Test {
protected:
    void SetUp() override { Qemet::SetUnitSystem(US_METRIC); }
    void TearDown() override { Qemet::SetUnitSystem(US_METRIC); }

    CString text(QEMET_TYPES kind, double si, SEPARATOR_DEC_UNIT sep = SDU_POINT) const
    {
        return q.CnvUnitSIToText(kind, si, BU_DISPLAY, sep);
    }
    // The SI value of a text, or NaN when it is refused.
    double read(QEMET_TYPES kind, const wchar_t* s, BASIC_UNIT basic = BU_DISPLAY) const
    {
        double v = 0.0;
        return q.CnvUnitSIToDouble(v, kind, s, basic) == QR_OK ? v : std::nan("");
    }

    Qemet q;
};

constexpr double kInch = 0.0254;
constexpr double kInchSqPerFoot = 0.00211666666666666667; // 0.0254^2 / 0.3048

} // namespace

TEST_F(Units, TextsShowTheDisplayUnitOfEachKindRoundedWithoutSymbol)
{
    struct Case {
        UNIT_SYSTEM system;
        QEMET_TYPES kind;
        double si;
        const wchar_t* text;
        const wchar_t* symbol;
    };
    const Case cases[] = {
        {US_METRIC, QT_REINF_AREA, 0.0020943951, L"20.94", L"cm\u00b2/m"}, // one 20 mm bar at 15 cm
        {US_METRIC, QT_BAR_DIAMETER, 0.01236, L"12.4", L"mm"},
        {US_METRIC, QT_BAR_DIAMETER, -0.0125, L"-12.5", L"mm"},
        {US_METRIC, QT_BAR_DIAMETER, -0.00001, L"0.0", L"mm"}, // no "-0.0"
        {US_METRIC, QT_BAR_SPACING, 0.15, L"15.0", L"cm"},
        {US_METRIC, QT_LEGEND_LENGTH, 10.0, L"10.00", L"m"},
        {US_METRIC, QT_COVER, 0.035, L"35", L"mm"}, // no decimals, no separator
        {US_METRIC, QT_LENGTH, 1234567.0, L"1234567.000", L"m"},
        {US_METRIC, QT_BAR_DIAMETER, std::nan(""), L"", L"mm"},
        {US_IMPERIAL, QT_BAR_DIAMETER, 0.009525, L"0.375", L"in"}, // ASTM #3, 3/8 in
        {US_IMPERIAL, QT_BAR_SPACING, 0.3048, L"12.00", L"in"},
        {US_IMPERIAL, QT_LEGEND_LENGTH, 3.0, L"9.84", L"ft"}, // 3 / 0.3048 = 9.8425
        {US_IMPERIAL, QT_REINF_AREA, 2 * kInchSqPerFoot, L"2.000", L"in\u00b2/ft"},
    };
    for (const Case& c : cases) {
        Qemet::SetUnitSystem(c.system);
        EXPECT_EQ(text(c.kind, c.si), c.text) << c.kind << " " << c.si;
        EXPECT_EQ(q.GetTypeUnit(c.kind).strSymbol, c.symbol) << c.kind;
    }
    EXPECT_EQ(q.GetFullNameUnit(QT_BAR_SPACING, true), L"(in)");
    EXPECT_EQ(q.GetTypeUnit(QT_LENGTH).strSymbol, L"ft");
    EXPECT_EQ(q.GetTypeUnit(QT_BAR_DIAMETER).nDecimals, 3);
    Qemet::SetUnitSystem(US_METRIC);
    EXPECT_EQ(text(QT_BAR_DIAMETER, 0.0125, SDU_COMMA), L"12,5");
    EXPECT_EQ(q.CnvUnitSIToText(QT_BAR_DIAMETER, 0.012, BU_ANY, SDU_POINT), L"12.0 mm");
    EXPECT_EQ(q.GetFullNameUnit(QT_REINF_AREA, true), L"(cm\u00b2/m)");
    EXPECT_EQ(q.GetFullNameUnit(QT_BAR_SPACING, false), L"cm");
}

TEST_F(Units, ReadingAcceptsWhatAUserTypesInTheDisplayUnitOrAnyWhenLeftOpen)
{
    struct Case {
        UNIT_SYSTEM system;
        QEMET_TYPES kind;
        const wchar_t* text;
        BASIC_UNIT basic;
        double si; // NaN: refused
    };
    const double refused = std::nan("");
    const Case cases[] = {
        {US_METRIC, QT_BAR_DIAMETER, L"12.5MM", BU_DISPLAY, 0.0125},
        {US_METRIC, QT_BAR_DIAMETER, L"+12", BU_DISPLAY, 0.012},
        {US_METRIC, QT_BAR_DIAMETER, L"-3", BU_DISPLAY, -0.003},
        {US_METRIC, QT_BAR_DIAMETER, L".5", BU_DISPLAY, 0.0005},
        {US_METRIC, QT_BAR_DIAMETER, L"12.", BU_DISPLAY, 0.012},
        {US_METRIC, QT_REINF_AREA, L"1", BU_DISPLAY, 1e-4},
        {US_METRIC, QT_REINF_AREA, L"20 cm2/m", BU_DISPLAY, 0.002},
        {US_METRIC, QT_REINF_AREA, L"20 cm\u00b2/m", BU_DISPLAY, 0.002},
        {US_METRIC, QT_REINF_AREA, L"20 cm^2/m", BU_DISPLAY, 0.002},
        {US_METRIC, QT_BAR_DIAMETER, L"1.2 cm", BU_ANY, 0.012},
        {US_METRIC, QT_BAR_DIAMETER, L"0.5 in", BU_ANY, 0.5 * kInch},
        {US_METRIC, QT_BAR_DIAMETER, L"12", BU_ANY, 0.012}, // the display unit
        {US_METRIC, QT_BAR_DIAMETER, L"1.2 cm2", BU_ANY, refused}, // an area
        {US_METRIC, QT_REINF_AREA, L"1.2 cm2", BU_ANY, refused},   // not per width
        {US_IMPERIAL, QT_BAR_DIAMETER, L"1 in", BU_DISPLAY, kInch},
        {US_IMPERIAL, QT_BAR_SPACING, L"12", BU_DISPLAY, 12 * kInch},
        {US_IMPERIAL, QT_BAR_SPACING, L"6\"", BU_DISPLAY, 6 * kInch},
        {US_IMPERIAL, QT_LEGEND_LENGTH, L"1", BU_DISPLAY, 12 * kInch},
        {US_IMPERIAL, QT_LENGTH, L"10'", BU_DISPLAY, 3.048},
        {US_IMPERIAL, QT_REINF_AREA, L"1", BU_DISPLAY, kInchSqPerFoot},
        {US_IMPERIAL, QT_SECTION_AREA, L"1 in2", BU_DISPLAY, kInch * kInch},
    };
    for (const Case& c : cases) {
        Qemet::SetUnitSystem(c.system);
        const double si = read(c.kind, c.text, c.basic);
        if (std::isnan(c.si))
            EXPECT_TRUE(std::isnan(si)) << toUtf8(c.text);
        else
            EXPECT_DOUBLE_EQ(si, c.si) << toUtf8(c.text);
    }
}

TEST_F(Units, JunkIsRefusedAndLeavesTheResultAlone)
{
    struct Case {
        const wchar_t* text;
        int result;
    };
    const Case cases[] = {
        {nullptr, QR_EMPTY},        {L"", QR_EMPTY},           {L"  \t", QR_EMPTY},     {L"abc", QR_NOT_NUMBER},
        {L".", QR_NOT_NUMBER},      {L"--1", QR_NOT_NUMBER},   {L"nan", QR_NOT_NUMBER}, {L"inf", QR_NOT_NUMBER},
        {L"1e", QR_NOT_NUMBER},     {L"1e999", QR_NOT_NUMBER}, {L"mm", QR_NOT_NUMBER},  {L"0x10", QR_BAD_UNIT},
        {L"1.2.3", QR_BAD_UNIT},    {L"1,2,3", QR_BAD_UNIT},   {L"1 2", QR_BAD_UNIT},   {L"12 kg", QR_BAD_UNIT},
        {L"12 mm mm", QR_BAD_UNIT}, {L"12 m", QR_BAD_UNIT},
    };
    for (const Case& c : cases) {
        double v = 42.0;
        EXPECT_EQ(q.CnvUnitSIToDouble(v, QT_BAR_DIAMETER, c.text, BU_DISPLAY), c.result)
            << (c.text ? toUtf8(c.text) : "(null)");
        EXPECT_EQ(v, 42.0);
    }
}

TEST_F(Units, DisplayUnitsAreChosenPerKind)
{
    EXPECT_TRUE(Qemet::SetDisplayUnit(QT_BAR_DIAMETER, QU_CM));
    EXPECT_EQ(text(QT_BAR_DIAMETER, 0.012), L"1.2"); // cm: one decimal by default
    EXPECT_EQ(q.GetFullNameUnit(QT_BAR_DIAMETER, false), L"cm");
    EXPECT_EQ(text(QT_COVER, 0.035), L"35"); // other kinds keep their unit
    EXPECT_TRUE(Qemet::SetDisplayUnit(QT_BAR_SPACING, QU_MM, 0));
    EXPECT_EQ(text(QT_BAR_SPACING, 0.15), L"150");
    EXPECT_TRUE(Qemet::SetDisplayUnit(QT_REINF_AREA, QU_MM2_M));
    EXPECT_EQ(text(QT_REINF_AREA, 0.0020943951), L"2094");

    // A unit of another dimension, no unit, too many decimals: refused, nothing
    // changes.
    EXPECT_FALSE(Qemet::SetDisplayUnit(QT_BAR_SPACING, QU_CM2));
    EXPECT_FALSE(Qemet::SetDisplayUnit(QT_REINF_AREA, QU_CM2));
    EXPECT_FALSE(Qemet::SetDisplayUnit(QT_NUMBER, QU_M));
    EXPECT_FALSE(Qemet::SetDisplayUnit(QT_BAR_SPACING, QU_IN, 13));
    EXPECT_FALSE(Qemet::SetDisplayUnit((QEMET_TYPES)15, QU_M));
    EXPECT_EQ(text(QT_BAR_SPACING, 0.15), L"150");
}

TEST_F(Units, PlainNumbersAndUnknownKindsHaveNoUnit)
{
    for (QEMET_TYPES kind : {QT_NUMBER, (QEMET_TYPES)15, (QEMET_TYPES)-4}) {
        EXPECT_EQ(text(kind, 2.5), L"2.500");
        EXPECT_EQ(q.CnvUnitSIToText(kind, 2.5, BU_ANY, SDU_POINT), L"2.500");
        EXPECT_EQ(q.GetFullNameUnit(kind, true), L"");
        const TypeUnit t = q.GetTypeUnit(kind);
        EXPECT_EQ(t.nType, QT_NUMBER);
        EXPECT_EQ(t.strSymbol, L"");
        EXPECT_DOUBLE_EQ(read(kind, L"2,5"), 2.5);
        EXPECT_TRUE(std::isnan(read(kind, L"2.5 m", BU_ANY)));
    }
}
