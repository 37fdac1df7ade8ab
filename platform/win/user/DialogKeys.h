#pragma once
// The dialog keyboard interface: IsDialogMessageW, which a dialog's message
// loop (CDialog::PreTranslateMessage) gives every message first, and the
// order of its tab stops.
#include "win/user/Controls.h"

// TRUE when the message was a dialog key of a window of the dialog, which has
// then been acted on (it must not be dispatched); FALSE for every other
// message, which the caller dispatches as usual. The keys, unless the focus
// control claims them in its WM_GETDLGCODE answer (Alt with a mnemonic is
// the dialog's in any case):
// - Tab and Shift+Tab: the focus to the next or previous tab stop, round;
// - Enter: BN_CLICKED of the focused push button, else of the default push
//   button (IDOK without one); Esc: IDCANCEL;
// - Alt with a letter or digit (WM_SYSCHAR), or the key alone when the focus
//   control takes no characters: the next control after the focus whose text
//   has that mnemonic ('&' before it, either case). A static text passes the
//   focus on to the first tab stop after it (not with SS_NOPREFIX); any other
//   control takes the focus, and a push button is clicked.
// Hidden and disabled controls are passed over; a disabled button sends no
// command.
BOOL IsDialogMessageW(HWND hDlg, LPMSG lpMsg);
// The next (or previous) visible, enabled WS_TABSTOP child of the dialog after
// hCtl, round the dialog; from the start (or the end) without hCtl. Null when
// the dialog has no such control.
HWND GetNextDlgTabItem(HWND hDlg, HWND hCtl, BOOL bPrevious);

namespace platform {

// The dialogs whose own modal loop runs now (a message box, the common
// dialogs' windows), as DialogBox's loop would run: the desktop's message
// loop gives the innermost one its messages first through IsDialogMessageW.
void BeginDialogLoop(HWND dialog);
void EndDialogLoop(HWND dialog);
// The innermost such dialog that still exists; null when none.
HWND DialogLoopWindow();

} // namespace platform
