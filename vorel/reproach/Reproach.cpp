#include "reproach/Reproach.h"

#include "reproach/DReproach.h"
#include "reproach/ReproachFormat.h"
#include "units/Qemet.h"

#include <algorithm>

namespace NVorel {

namespace {

constexpr size_t kReserve = 20;

void appendLines(const CString& text, CReproach::ERType eType, CStringArray* pLines,
                 std::vector<CReproach::ERType>* pKinds)
{
    const std::wstring& s = text.str();
    size_t start = 0;
    for (;;) {
        const size_t end = s.find(L'\n', start);
        pLines->Add(CString(s.substr(start, end == std::wstring::npos ? std::wstring::npos : end - start)));
        pKinds->push_back(eType);
        if (end == std::wstring::npos) return;
        start = end + 1;
    }
}

} // namespace

CReproach::CReproach()
{
    m_vMessages.reserve(kReserve);
    m_vArgs.reserve(kReserve);
}

CReproach::~CReproach()
{
    destroyNoModal();
}

CReproach::CReproach(const CReproach& other)
    : m_vMessages(other.m_vMessages), m_vArgs(other.m_vArgs)
{
}

CReproach& CReproach::operator=(const CReproach& other)
{
    m_vMessages = other.m_vMessages;
    m_vArgs = other.m_vArgs;
    return *this;
}

CReproachArg CReproach::append(ERType eType, const CString& strText, int nId)
{
    m_vMessages.push_back(SMessage{eType, strText, nId, (int)m_vArgs.size(), 0});
    return CReproachArg(this);
}

CReproachArg CReproach::add(ERType eType, int nId)
{
    return append(eType, CString(), nId);
}

CReproachArg CReproach::add(ERType eType, const CString& strText)
{
    return append(eType, strText, 0);
}

CReproachArg CReproach::addOnce(ERType eType, int nId)
{
    for (const SMessage& m : m_vMessages)
        if (m.m_eType == eType && m.m_nId == nId) return CReproachArg(nullptr);
    return add(eType, nId);
}

CReproachArg CReproach::addOnce(ERType eType, const CString& strText)
{
    for (const SMessage& m : m_vMessages)
        if (m.m_eType == eType && m.m_strText == strText) return CReproachArg(nullptr);
    return add(eType, strText);
}

void CReproach::removeAll(int nId)
{
    std::erase_if(m_vMessages, [nId](const SMessage& m) { return m.m_nId == nId; });
}

int CReproach::size() const
{
    return (int)m_vMessages.size();
}

int CReproach::size(ERType eType) const
{
    return (int)std::count_if(m_vMessages.begin(), m_vMessages.end(),
                              [eType](const SMessage& m) { return m.m_eType == eType; });
}

// The dialog keeps showing its list until the next refresh.
void CReproach::clear()
{
    m_vMessages.clear();
    m_vArgs.clear();
    if (m_pDlgNoModal) {
        m_pDlgNoModal->m_arLines.SetSize(0);
        m_pDlgNoModal->m_vKinds.clear();
    }
}

void CReproach::appendArg(const SArg& a)
{
    if (m_vMessages.empty()) return; // nothing to attach to
    m_vArgs.push_back(a);
    ++m_vMessages.back().m_nArgCount;
}

void CReproach::arg(const wchar_t* psz)
{
    SArg a{ARG_TEXT, {}, 0};
    a.m_psz = psz;
    appendArg(a);
}

void CReproach::arg(int n)
{
    SArg a{ARG_INT, {}, 0};
    a.m_n = n;
    appendArg(a);
}

void CReproach::arg(double d, int nQuantity)
{
    SArg a{ARG_QUANTITY, {}, nQuantity};
    a.m_d = d;
    appendArg(a);
}

CString CReproach::argText(const SArg& a) const
{
    if (a.m_nKind == ARG_INT) {
        CString s;
        s.Format(L"%d", a.m_n);
        return s;
    }
    const qemet::Qemet units;
    const auto kind = (qemet::QEMET_TYPES)a.m_nQuantity;
    return units.CnvUnitSIToText(kind, a.m_d, qemet::BU_DISPLAY, qemet::SDU_POINT) + L" " +
           units.GetTypeUnit(kind).strSymbol;
}

CString CReproach::renderText(const SMessage& m) const
{
    CString strTemplate = m.m_strText;
    if (m.m_nId != 0) strTemplate.LoadString((UINT)m.m_nId); // a missing string leaves it empty
    if (m.m_nArgCount == 0) return strTemplate;

    // Texts made here live until the substitution is done.
    std::vector<CString> made((size_t)m.m_nArgCount);
    std::vector<const wchar_t*> texts((size_t)m.m_nArgCount);
    for (int i = 0; i < m.m_nArgCount; ++i) {
        const SArg& a = m_vArgs[(size_t)(m.m_nFirstArg + i)];
        if (a.m_nKind == ARG_TEXT) {
            texts[(size_t)i] = a.m_psz;
        } else {
            made[(size_t)i] = argText(a);
            texts[(size_t)i] = made[(size_t)i].GetString();
        }
    }
    return reproach::substitute(strTemplate, texts);
}

void CReproach::add2dlg(CStringArray* pLines, std::vector<ERType>* pKinds, bool bAll) const
{
    if (!pLines || !pKinds) return;
    size_t first = m_vMessages.empty() ? 0 : m_vMessages.size() - 1;
    if (bAll) {
        pLines->SetSize(0);
        pKinds->clear();
        first = 0;
    }
    for (size_t i = first; i < m_vMessages.size(); ++i)
        appendLines(renderText(m_vMessages[i]), m_vMessages[i].m_eType, pLines, pKinds);
}

} // namespace NVorel
