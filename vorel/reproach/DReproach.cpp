#include "reproach/DReproach.h"

namespace NVorel {

namespace {

constexpr int kIdList = 114;
constexpr int kIdProgressBar = 1010;
constexpr int kIdProgressText = 1011;
constexpr int kIdBreak = 1012;
constexpr COLORREF kErrorColour = 0x000000FF;

} // namespace

BEGIN_MESSAGE_MAP(CDReproach, CDialog)
    ON_BN_CLICKED(IDOK, OnOK)
    ON_BN_CLICKED(kIdBreak, OnBreak)
END_MESSAGE_MAP()

CDReproach::CDReproach(CWnd* pParent) : CDialog(IDD, pParent) {}

CDReproach::~CDReproach() = default;

void CDReproach::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, kIdList, m_list);
    DDX_Control(pDX, kIdProgressBar, m_progress);
}

BOOL CDReproach::OnInitDialog()
{
    CDialog::OnInitDialog();
    applyControlsVisibility();
    fillList();
    return TRUE;
}

void CDReproach::applyControlsVisibility()
{
    const std::pair<int, int> shows[] = {
        {kIdProgressText, m_nShowProgText}, {kIdProgressBar, m_nShowProgBar}, {kIdBreak, m_nShowBreak}};
    for (const auto& [id, show] : shows)
        if (CWnd* control = GetDlgItem(id)) control->ShowWindow(show);
}

void CDReproach::fillList()
{
    const COLORREF textColour = GetSysColor(COLOR_WINDOWTEXT);
    m_list.ResetContent();
    for (INT_PTR i = 0; i < m_arLines.GetSize(); ++i) {
        const bool error = (size_t)i < m_vKinds.size() && m_vKinds[(size_t)i] == CReproach::ER_ERROR;
        m_list.AddColoredString(m_arLines[i], error ? kErrorColour : textColour);
    }
}

void CDReproach::OnOK()
{
    m_bShown = false;
    CDialog::OnOK();
}

void CDReproach::OnBreak()
{
    m_bBreak = true;
}

void CDReproach::refresh()
{
    m_bShown = true;
    ShowWindow(SW_SHOW);
    fillList();
    UpdateData(FALSE);
    // The controls too: a computation that refreshes between steps may not
    // pump messages until it ends.
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

} // namespace NVorel
