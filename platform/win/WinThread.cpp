#include "win/WinThread.h"

BOOL CWinThread::PumpMessage()
{
    if (GetMessageW(&m_msgCur, nullptr, 0, 0) <= 0) return FALSE;
    TranslateMessage(&m_msgCur);
    DispatchMessageW(&m_msgCur);
    return TRUE;
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
