// Automatic area scales as a host builds them for a slab's reinforcement legend.
#include "Pages.h"

#include "areascale/AutoScale.h"
#include "units/Qemet.h"
#include "win/Afx.h"

#include <cstdio>

namespace {

std::string number(double v, const char* format)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, format, v);
    return buf;
}

std::string areaText(double a)
{
    qemet::Qemet units;
    return toUtf8(units.CnvUnitSIToText(qemet::QT_REINF_AREA, a, 1, 0).str());
}

void scaleTable(Gallery& g, const std::string& title, const AreaScaleItems& scale)
{
    AreaScaleItems items(scale);
    FillItemsColor(items);
    qemet::Qemet units;
    const std::string unit = toUtf8(units.GetTypeUnit(qemet::QT_REINF_AREA).strSymbol.str());
    std::vector<std::vector<Gallery::Cell>> rows;
    for (const auto& item : items)
        rows.push_back({Gallery::Cell("", (long)item.GetColor()),
                        number(item.GetDimValue(1) * 1000, "%.0f mm"),
                        number(item.GetSValue() * 1000, "%.0f mm"), areaText(item.GetAmax()),
                        areaText(item.GetAmin())});
    g.paragraph(title);
    g.table({"colour", "bar", "spacing", "max [" + unit + "]", "min [" + unit + "]"}, rows);
}

AreaScaleItems freeScale(unsigned int n, CGridAreaScale::eGridAreaScaleType type, int removeScale)
{
    AreaScaleItems items;
    AutoScale(0.02, 0.01, 0.0, 0.004, n, items, removeScale, type);
    return items;
}

AreaScaleItems gridRuleScale(unsigned int n)
{
    AreaScaleItems items;
    const auto bounds = areascale::scaleBounds(0.0, 0.004, n, 0, CGridAreaScale::SCALE_ARITHMETIC,
                                               areascale::ArithmeticRule::Grid);
    areascale::buildScaleItems(0.02, 0.01, 0.004, bounds, items);
    return items;
}

} // namespace

void areaScalePage(DemoContext& demo)
{
    Gallery& g = demo.gallery;
    g.beginPage("Automatic area scales",
                "Bars of 20 mm on a 10 mm spacing grid, areas from 0 to 40 cm²/m. Every row is a bar "
                "layout that can be built: the spacing is a whole number of grid steps and the row's "
                "area is recomputed from it. The top row stands for everything above the scale, the "
                "light blue row for zero.");
    scaleTable(g, "Arithmetic scale, 2 sections (editor grid's rule)", gridRuleScale(2));
    scaleTable(g, "Arithmetic scale, 3 sections (editor grid's rule)", gridRuleScale(3));
    scaleTable(g, "Arithmetic scale, 2 sections (AutoScale function)", freeScale(2, CGridAreaScale::SCALE_ARITHMETIC, 0));
    scaleTable(g, "Geometric scale, 2 sections", freeScale(2, CGridAreaScale::SCALE_GEOMETRIC, 0));
    scaleTable(g, "Geometric scale, 6 sections", freeScale(6, CGridAreaScale::SCALE_GEOMETRIC, 0));
    scaleTable(g, "Two-range scale", freeScale(2, CGridAreaScale::SCALE_ARITHMETIC, 1));

    std::vector<Gallery::Cell> ramp;
    std::vector<std::string> header;
    for (int i = 0; i <= 20; ++i) {
        const double x = i / 20.0;
        header.push_back(number(x, "%.2f"));
        ramp.push_back(Gallery::Cell("", (long)GetColorForItem(x)));
    }
    g.paragraph("The colour ramp GetColorForItem(x) from 0 to 1: orange up to 2/3, then red to dark red.");
    g.table(header, {ramp});
}
