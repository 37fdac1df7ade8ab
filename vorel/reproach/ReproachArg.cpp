#include "reproach/ReproachArg.h"

#include "reproach/Reproach.h"

namespace NVorel {

CReproachArg& CReproachArg::operator=(const CReproachArg& other)
{
    m_pReproach = other.m_pReproach;
    return *this;
}

CReproachArg& CReproachArg::operator=(CReproachArg&& other)
{
    m_pReproach = other.m_pReproach;
    return *this;
}

CReproachArg& CReproachArg::arg(int n)
{
    if (m_pReproach) m_pReproach->arg(n);
    return *this;
}

CReproachArg& CReproachArg::arg(double d, int nQuantity)
{
    if (m_pReproach) m_pReproach->arg(d, nQuantity);
    return *this;
}

CReproachArg& CReproachArg::arg(const wchar_t* psz)
{
    if (m_pReproach) m_pReproach->arg(psz);
    return *this;
}

} // namespace NVorel
