// A host computation reports its findings through a message collector; the
// lines are shown as the message dialog will list them, errors in red.
#include "Pages.h"

#include "reproach/Reproach.h"
#include "units/Qemet.h"
#include "win/Afx.h"

#include <cmath>

namespace {

using NVorel::CReproach;

// The host's own message templates, by string id.
const winres::StringResource kHostStrings[] = {
    {2001, L"Strip %s: provided %s is below the required %s"},
    {2002, L"Strip %s: bar spacing %s exceeds the maximum %s"},
    {2003, L"Strip %s: %s bars at %s give %s"},
    {2004, L"Checked %s strips, %s of them fail\nUtilisation limit is 100%%"},
    {2005, L"Curved slab edges are not checked"},
};
const winres::ResourceTable kHostTable{kHostStrings, {}, {}, {}};

struct Strip {
    const wchar_t* name;
    double diameter; // m
    double spacing;  // m
    double required; // m2/m
};

const Strip kStrips[] = {
    {L"S1", 0.012, 0.15, 0.00070},
    {L"S2", 0.010, 0.20, 0.00052},
    {L"S3", 0.016, 0.30, 0.00065},
    {L"S4", 0.020, 0.15, 0.00180},
};

double providedArea(const Strip& s)
{
    return s.diameter * s.diameter * 0.25 * 3.141592653589793 / s.spacing;
}

// The check as a host would write it: one chained add per finding.
void checkSlab(CReproach& r)
{
    int failed = 0;
    for (const Strip& s : kStrips) {
        const double provided = providedArea(s);
        r.add(CReproach::ER_INFO, 2003).arg(s.name).arg(s.diameter, qemet::QT_BAR_DIAMETER)
            .arg(s.spacing, qemet::QT_BAR_SPACING).arg(provided, qemet::QT_REINF_AREA);
        if (provided < s.required) {
            ++failed;
            r.add(CReproach::ER_ERROR, 2001).arg(s.name).arg(provided, qemet::QT_REINF_AREA)
                .arg(s.required, qemet::QT_REINF_AREA);
        }
        if (s.spacing > 0.25)
            r.add(CReproach::ER_WARNING, 2002).arg(s.name).arg(s.spacing, qemet::QT_BAR_SPACING)
                .arg(0.25, qemet::QT_BAR_SPACING);
        r.addOnce(CReproach::ER_WARNING, 2005); // reported once, however many strips
    }
    r.add(CReproach::ER_INFO, 2004).arg((int)std::size(kStrips)).arg(failed);
}

std::vector<std::pair<std::string, unsigned>> rendered(const CReproach& r)
{
    CStringArray lines;
    std::vector<CReproach::ERType> kinds;
    r.add2dlg(&lines, &kinds, true);
    std::vector<std::pair<std::string, unsigned>> out;
    for (INT_PTR i = 0; i < lines.GetSize(); ++i)
        out.emplace_back(toUtf8(lines[i].str()), kinds[(size_t)i] == CReproach::ER_ERROR ? 0x000000FFu : 0u);
    return out;
}

} // namespace

void reproachPage(DemoContext& demo)
{
    Gallery& g = demo.gallery;
    g.beginPage("Messages of a computation",
                "A slab check collects its findings in a CReproach: each add takes the host's string id "
                "and chains its arguments (texts, integers, quantities in SI). Rendering substitutes them "
                "and splits the texts into lines, each tagged with its kind; errors are drawn in red.");

    const HINSTANCE before = AfxGetResourceHandle();
    AfxSetResourceHandle(platform::RegisterApplicationModule(&kHostTable));

    CReproach r;
    checkSlab(r);
    g.table({"messages", "errors", "warnings", "information"},
            {{std::to_string(r.size()), std::to_string(r.size(CReproach::ER_ERROR)),
              std::to_string(r.size(CReproach::ER_WARNING)), std::to_string(r.size(CReproach::ER_INFO))}});
    g.paragraph("Metric display units:");
    g.coloredLines(rendered(r));

    qemet::Qemet::SetUnitSystem(qemet::US_IMPERIAL);
    g.paragraph("The same collector after the user switched to imperial units: quantities are "
                "formatted when rendered, so they follow the display units of that moment.");
    g.coloredLines(rendered(r));
    qemet::Qemet::SetUnitSystem(qemet::US_METRIC);

    AfxSetResourceHandle(before);
}
