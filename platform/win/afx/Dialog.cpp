#include "win/afx/Dialog.h"

#include "win/kernel/ModuleState.h"
#include "win/kernel/Resources.h"
#include "win/afx/DialogPrompts.h"
#include "win/afx/WinThread.h"

namespace {

// Thrown by CDataExchange::Fail, caught by UpdateData.
struct ExchangeFailed {};

HWND topLevelOf(HWND h)
{
    while (h && (GetWindowLongW(h, GWL_STYLE) & WS_CHILD)) h = GetParent(h);
    return h;
}

} // namespace

HWND CDataExchange::PrepareCtrl(int nIDC)
{
    const HWND control = ::GetDlgItem(m_pDlgWnd->m_hWnd, nIDC);
    if (!control) Fail();
    return control;
}

void CDataExchange::Fail()
{
    throw ExchangeFailed{};
}

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl)
{
    if (rControl.m_hWnd) return;
    if (!rControl.SubclassWindow(pDX->PrepareCtrl(nIDC))) pDX->Fail();
}

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_MESSAGE(WM_INITDIALOG, HandleInitDialog)
    ON_COMMAND(IDOK, OnOK)
    ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd) : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd) {}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd)
{
    m_nIDTemplate = nIDTemplate;
    m_pParentWnd = pParentWnd ? pParentWnd : AfxGetMainWnd();
    return createFromTemplate(nIDTemplate, m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr);
}

BOOL CDialog::createFromTemplate(UINT nIDTemplate, HWND hWndParent)
{
    if (m_hWnd) return FALSE;
    const HINSTANCE module = AfxFindResourceHandle(MAKEINTRESOURCEW(nIDTemplate), RT_DIALOG);
    const winres::DialogResource* t = FindDialogResource(module, nIDTemplate);
    if (!t) return FALSE;
    const CRect r = platform::DialogWindowRect(*t, hWndParent);
    if (!CreateEx(t->exStyle, WC_DIALOG, t->caption, t->style & ~WS_VISIBLE, r.left, r.top, r.Width(), r.Height(),
                  hWndParent, nullptr))
        return FALSE;
    const HWND self = m_hWnd;
    SendMessage(WM_SETFONT, (WPARAM)platform::DialogTemplateFont(*t), FALSE);
    if (!platform::CreateDialogControls(self, *t)) {
        ::DestroyWindow(self);
        return FALSE;
    }
    const HWND focus = GetNextDlgTabItem(self, nullptr, FALSE);
    if (SendMessage(WM_INITDIALOG, (WPARAM)focus, 0) && focus && ::IsWindow(focus)) ::SetFocus(focus);
    if ((t->style & WS_VISIBLE) && !m_bModal && ::IsWindow(self)) ShowWindow(SW_SHOW);
    return ::IsWindow(self);
}

LRESULT CDialog::HandleInitDialog(WPARAM, LPARAM)
{
    return OnInitDialog();
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

BOOL CDialog::UpdateData(BOOL bSaveAndValidate)
{
    CDataExchange dx(this, bSaveAndValidate);
    try {
        DoDataExchange(&dx);
    } catch (const ExchangeFailed&) {
        return FALSE;
    }
    return TRUE;
}

void CDialog::DoDataExchange(CDataExchange*) {}

void CDialog::OnOK()
{
    if (UpdateData(TRUE)) EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

void CDialog::EndDialog(int nResult)
{
    if (m_bModal) {
        m_nModalResult = nResult;
        m_bContinueModal = false;
    }
    if (m_hWnd) ShowWindow(SW_HIDE);
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg)
{
    return IsDialogMessageW(m_hWnd, pMsg);
}

INT_PTR CDialog::DoModal()
{
    if (m_hWnd) return -1;
    HWND owner = topLevelOf(m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr);
    if (!owner && AfxGetMainWnd()) owner = AfxGetMainWnd()->m_hWnd;
    const bool disabledOwner = owner && ::IsWindowEnabled(owner);
    if (disabledOwner) ::EnableWindow(owner, FALSE);

    m_nModalResult = -1;
    m_bModal = m_bContinueModal = true;
    if (createFromTemplate(m_nIDTemplate, owner)) {
        if (m_bContinueModal) {
            ShowWindow(SW_SHOW);
            runModalLoop();
        }
        DestroyWindow();
    }
    m_bModal = m_bContinueModal = false;
    if (disabledOwner && ::IsWindow(owner)) ::EnableWindow(owner, TRUE);
    return m_nModalResult;
}

bool CDialog::pumpPending()
{
    MSG msg;
    while (m_bContinueModal && PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
        if (msg.message == WM_QUIT) return false;
        PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE);
        if (AfxGetThread()->PreTranslateMessage(&msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return true;
}

void CDialog::runModalLoop()
{
    bool userTookTurn = false, cancelled = false;
    while (m_bContinueModal && m_hWnd) {
        if (!pumpPending()) {
            EndDialog(-1);
            break;
        }
        if (!m_bContinueModal) break;
        if (!userTookTurn) {
            userTookTurn = true;
            platform::dialogPrompts().answerModal(*this);
        } else if (!cancelled) {
            cancelled = true;
            SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), (LPARAM)::GetDlgItem(m_hWnd, IDCANCEL));
        } else {
            EndDialog(IDCANCEL);
        }
    }
}
