#pragma once
// CWinThread: the GUI thread's message pump and main window.
#include "win/user/MessageQueue.h"

class CWnd;

class CWinThread {
public:
    virtual ~CWinThread() = default;
    // One message: GetMessageW, PreTranslateMessage, TranslateMessage, DispatchMessageW. FALSE on
    // WM_QUIT or when there is nothing to deliver.
    virtual BOOL PumpMessage();
    // The windows' PreTranslateMessage, from the message's window up to the
    // main window (dialog keys, for one).
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    CWnd* GetMainWnd() { return m_pMainWnd; }

    // Set by the host; cleared when that window is destroyed.
    CWnd* m_pMainWnd = nullptr;
    MSG m_msgCur{};
};

CWinThread* AfxGetThread();
CWnd* AfxGetMainWnd();
