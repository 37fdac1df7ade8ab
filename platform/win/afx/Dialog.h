#pragma once
// CDialog: a dialog window made from a dialog template, modeless (Create) or
// modal (DoModal), with data exchange (DoDataExchange, UpdateData,
// DDX_Control).
//
// Create(id, parent)
//   -> the template through AfxFindResourceHandle (the current resource
//      handle, then the resource chain)
//   -> the "#32770" window with this object attached (CreateEx), its font,
//      the template's controls, then WM_INITDIALOG -> OnInitDialog, which
//      exchanges data (UpdateData(FALSE): DDX_Control subclasses controls);
//      when it returns TRUE the first WS_TABSTOP control takes the focus
//   -> shown when the template says WS_VISIBLE.
// DoModal()
//   -> owner (the parent's top-level window, else the main window) disabled
//   -> created as above, shown, then the modal loop: pending messages are
//      dispatched (PreTranslateMessage first, so the dialog keys of
//      win/user/DialogKeys.h work), and once the queue is empty the user
//      takes a turn (platform::DialogPrompts, which the desktop layer
//      installs: its scripted user looks, takes screenshots, clicks); a
//      dialog still open after that turn is cancelled, as a user walking
//      away would do, so DoModal never blocks
//   -> EndDialog's result returned, window destroyed, owner enabled again.
// Buttons IDOK and IDCANCEL reach OnOK and OnCancel through the message map;
// Esc and the close box send IDCANCEL. EndDialog ends the modal loop, or
// hides a modeless dialog (which lives on).
#include "win/user/DialogTemplate.h"
#include "win/afx/Wnd.h"

class CDataExchange {
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate) : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd) {}

    // The control of the dialog with that id, or Fail() when there is none.
    HWND PrepareCtrl(int nIDC);
    // Ends the exchange: UpdateData returns FALSE.
    [[noreturn]] void Fail();

    BOOL m_bSaveAndValidate;
    CWnd* m_pDlgWnd;
};

// Attaches rControl to the dialog's control nIDC (once; later exchanges leave it).
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);

class CDialog : public CWnd {
public:
    CDialog() = default;
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);

    using CWnd::Create;
    // FALSE when the template is missing or a window cannot be created. A
    // null parent is the main window.
    virtual BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    // IDOK, IDCANCEL or the value given to EndDialog; -1 when the dialog
    // cannot be created.
    virtual INT_PTR DoModal();
    void EndDialog(int nResult);
    virtual BOOL OnInitDialog();
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);
    void MapDialogRect(LPRECT lpRect) const { ::MapDialogRect(m_hWnd, lpRect); }
    BOOL PreTranslateMessage(MSG* pMsg) override;

    // Whether DoModal runs this dialog now.
    bool IsModal() const { return m_bModal; }

protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    virtual void OnOK();
    virtual void OnCancel();
    afx_msg LRESULT HandleInitDialog(WPARAM wParam, LPARAM lParam);

    UINT m_nIDTemplate = 0;
    CWnd* m_pParentWnd = nullptr;
    INT_PTR m_nModalResult = -1;

    DECLARE_MESSAGE_MAP()

private:
    BOOL createFromTemplate(UINT nIDTemplate, HWND hWndParent);
    void runModalLoop();
    // Dispatches what is queued; false when WM_QUIT waits.
    bool pumpPending();

    bool m_bModal = false;
    bool m_bContinueModal = false;
};
