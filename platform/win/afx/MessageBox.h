#pragma once
// AfxMessageBox: the application's message box (win/user/MessageBox.h),
// owned by the main window, or without one by the top-level window that holds
// the focus, and titled with the application's name.
#include "win/user/MessageBox.h"

// The button id chosen, as MessageBoxW returns it. nIDHelp is kept for the
// signature; there is no help here.
int AfxMessageBox(LPCWSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);
// The text of string resource nIDPrompt (AfxFindResourceHandle); an empty
// text when there is none.
int AfxMessageBox(UINT nIDPrompt, UINT nType = MB_OK, UINT nIDHelp = (UINT)-1);
// The name of the running program, without its folder.
LPCWSTR AfxGetAppName();
