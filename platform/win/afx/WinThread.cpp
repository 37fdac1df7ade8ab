#include "win/afx/WinThread.h"

#include "win/afx/Wnd.h"

BOOL CWinThread::PumpMessage()
{
    if (GetMessageW(&m_msgCur, nullptr, 0, 0) <= 0) return FALSE;
    if (!PreTranslateMessage(&m_msgCur)) {
        TranslateMessage(&m_msgCur);
        DispatchMessageW(&m_msgCur);
    }
    return TRUE;
}

BOOL CWinThread::PreTranslateMessage(MSG* pMsg)
{
    return CWnd::WalkPreTranslateTree(m_pMainWnd ? m_pMainWnd->m_hWnd : nullptr, pMsg);
}

CWinThread* AfxGetThread()
{
    // Never destroyed: window objects of static lifetime may still be destroyed.
    static CWinThread* thread = new CWinThread;
    return thread;
}

CWnd* AfxGetMainWnd()
{
    return AfxGetThread()->m_pMainWnd;
}
