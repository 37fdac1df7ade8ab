#pragma once
// The thread's message queue, in USER. Messages come out in this order: posted
// messages (input included) first to last, then WM_QUIT, then WM_PAINT for a
// window that needs painting (see Window.h for the order among windows).
// Nothing blocks: GetMessageW returns -1 when there is nothing to deliver.
//
// The loops that empty it live in the layers above and give MFC's
// PreTranslateMessage its turn before TranslateMessage and DispatchMessageW:
// CWinThread::PumpMessage and CDialog's modal loop (MFC), and the desktop
// facade's processMessages after each input or clock step. The queue calls
// nothing above USER.
#include "win/user/Window.h"

#define PM_NOREMOVE 0x0000
#define PM_REMOVE 0x0001
#define ERROR_TIMEOUT 1460L

// A null window posts a thread message (dispatched to no window).
BOOL PostMessageW(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam);
void PostQuitMessage(int nExitCode);
// hWnd filters to that window and its children; (HWND)-1 to thread messages.
// wMsgFilterMin and wMsgFilterMax 0 take every message.
BOOL PeekMessageW(LPMSG lpMsg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax, UINT wRemoveMsg);
// 0 for WM_QUIT, -1 when the queue is empty.
BOOL GetMessageW(LPMSG lpMsg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax);
// Puts the WM_CHAR of a typed key (WM_SYSCHAR of a system key) in front of
// the queue.
BOOL TranslateMessage(const MSG* lpMsg);
// WM_TIMER with a timer procedure calls it; a WM_PAINT that its window left
// unpainted is taken as done, so that it cannot come back for ever.
LRESULT DispatchMessageW(const MSG* lpMsg);
