// CReproach's operations that show its messages in the message dialog.
//
// doModal: lines rendered (host strings) -> progress area hidden -> language
//   module as the resource handle -> CDialog::DoModal
// createNoModal -> new CDReproach, created from template 113 of the language
//   module, hidden unless asked
// refreshNoModal -> lines rendered -> CDReproach::refresh (list refilled, shown)
// isBreak(true) -> waiting messages dispatched (a click on Break, repaints)
//   -> the break flag
#include "reproach/DReproach.h"

#include "frame/ResourceSwitch.h"

namespace NVorel {

namespace {

constexpr int kIdProgressText = 1011;

// Until the queue is empty; WM_QUIT stays for the host's own loop.
void pumpWaitingMessages()
{
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE) && msg.message != WM_QUIT)
        AfxGetThread()->PumpMessage();
}

} // namespace

void CReproach::add2dlg(CDReproach* pDlg, bool bAll) const
{
    if (pDlg) add2dlg(&pDlg->m_arLines, &pDlg->m_vKinds, bAll);
}

void CReproach::doModal()
{
    CDReproach dlg(nullptr);
    add2dlg(&dlg, true); // before the switch: the host's strings
    dlg.m_nShowProgText = dlg.m_nShowProgBar = dlg.m_nShowBreak = SW_HIDE;
    CResourceSwitch language(CResourceSwitch::LANG_MODULE);
    dlg.DoModal();
}

void CReproach::doMogal()
{
    doModal();
}

void CReproach::createNoModal(CWnd* pParent, int bShow)
{
    if (m_pDlgNoModal) return;
    CResourceSwitch language(CResourceSwitch::LANG_MODULE);
    m_pDlgNoModal = new CDReproach(pParent);
    m_pDlgNoModal->Create(CDReproach::IDD, pParent);
    if (bShow) m_pDlgNoModal->ShowWindow(SW_SHOW);
}

void CReproach::refreshNoModal()
{
    if (!m_pDlgNoModal) return;
    add2dlg(m_pDlgNoModal, true);
    CResourceSwitch language(CResourceSwitch::LANG_MODULE);
    m_pDlgNoModal->refresh();
}

void CReproach::scrollToEnd()
{
    if (m_pDlgNoModal) m_pDlgNoModal->m_list.SetTopIndex(m_pDlgNoModal->m_list.GetCount() - 1);
}

void CReproach::showNoModal()
{
    if (m_pDlgNoModal && m_pDlgNoModal->m_bShown && m_pDlgNoModal->m_arLines.GetSize() > 0)
        m_pDlgNoModal->ShowWindow(SW_SHOW);
}

void CReproach::hideNoModal()
{
    if (m_pDlgNoModal) m_pDlgNoModal->ShowWindow(SW_HIDE);
}

void CReproach::destroyNoModal()
{
    if (!m_pDlgNoModal) return;
    m_pDlgNoModal->DestroyWindow();
    delete m_pDlgNoModal;
    m_pDlgNoModal = nullptr;
}

void CReproach::setTitle(CString strTitle)
{
    if (m_pDlgNoModal) m_pDlgNoModal->SetWindowText(strTitle);
}

void CReproach::setControlsVisibility(int nProgText, int nProgBar, int nBreak)
{
    if (!m_pDlgNoModal) return;
    m_pDlgNoModal->m_nShowProgText = nProgText;
    m_pDlgNoModal->m_nShowProgBar = nProgBar;
    m_pDlgNoModal->m_nShowBreak = nBreak;
}

void CReproach::showControls(int nProgText, int nProgBar, int nBreak)
{
    if (!m_pDlgNoModal) return;
    setControlsVisibility(nProgText, nProgBar, nBreak);
    m_pDlgNoModal->applyControlsVisibility();
}

void CReproach::setProgText(CString strText)
{
    if (m_pDlgNoModal) m_pDlgNoModal->SetDlgItemText(kIdProgressText, strText);
}

CProgressCtrl* CReproach::progress()
{
    return m_pDlgNoModal ? &m_pDlgNoModal->m_progress : nullptr;
}

bool CReproach::isBreak(bool bPump) const
{
    if (bPump) pumpWaitingMessages();
    // Read after pumping: a handler may have destroyed the dialog meanwhile.
    return !m_pDlgNoModal || m_pDlgNoModal->m_bBreak;
}

void CReproach::setBreak(bool bBreak)
{
    if (m_pDlgNoModal) m_pDlgNoModal->m_bBreak = bBreak;
}

} // namespace NVorel
