#pragma once
// CReproachArg: attaches arguments to the most recent message of a collector in
// one chained expression: r.add(kind, id).arg(3).arg(0.012, 11).arg(L"B1").
// A builder without a collector is inert.
namespace NVorel {

class CReproach;

class CReproachArg {
    friend class CReproach;

public:
    CReproachArg(const CReproachArg&) = default;
    CReproachArg& operator=(const CReproachArg& other);
    CReproachArg& operator=(CReproachArg&& other);

    CReproachArg& arg(int n);
    // nQuantity is the qemet::QEMET_TYPES of the SI value d, not a precision.
    CReproachArg& arg(double d, int nQuantity);
    // Only the pointer is kept: the text must outlive the last rendering.
    CReproachArg& arg(const wchar_t* psz);

private:
    explicit CReproachArg(CReproach* pReproach) : m_pReproach(pReproach) {}

    CReproach* m_pReproach;
};

} // namespace NVorel
