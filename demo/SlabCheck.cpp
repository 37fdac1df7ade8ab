#include "SlabCheck.h"

#include "units/Qemet.h"

#include <iterator>

namespace slab {

namespace {

using NVorel::CReproach;

// The host's own message templates, by string id.
const winres::StringResource kSlabStrings[] = {
    {2001, L"Strip %s: provided %s is below the required %s"},
    {2002, L"Strip %s: bar spacing %s exceeds the maximum %s"},
    {2003, L"Strip %s: %s bars at %s give %s"},
    {2004, L"Checked %s strips, %s of them fail\nUtilisation limit is 100%%"},
    {2005, L"Curved slab edges are not checked"},
    {2006, L"Strip S%s: utilisation %s%%"},
    {2007, L"Strip S%s: utilisation %s%% exceeds the limit"},
    {2008, L"Stopped by the user after %s of %s strips"},
};

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
} // namespace

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

std::span<const winres::StringResource> strings()
{
    return kSlabStrings;
}

} // namespace slab
