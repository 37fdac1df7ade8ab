#pragma once
// MessageBoxW: a modal box with a text and a row of buttons, its answer given
// by the user (platform::MessageBoxPrompts, which the desktop layer installs:
// its scripted user).
//
// MessageBoxW(owner, text, caption, type)
//   -> a dialog window ("#32770") centred over the owner (or the screen),
//      the text broken into lines at most 360 pixels wide in the message
//      font, the buttons of the type centred below it, the first the default
//   -> the owner is disabled while the box is up, as a modal box does
//   -> the box is painted, its first button (the default) has the focus,
//      then the prompts answer: a button id of the box, or the box's
//      cancelling button (Cancel, else No, else Abort, else OK)
//   -> while they do, the box's keys go through IsDialogMessageW first (it
//      is the DialogLoopWindow of DialogKeys.h), as in its own modal loop:
//      Enter clicks the focused (default) button; Esc and the close box
//      click Cancel, or OK in a box with OK alone; Yes/No and
//      Abort/Retry/Ignore boxes have the close box grayed and ignore Esc
//   -> the box goes, the owner is enabled again; the answer is returned.
#include "win/kernel/String.h"
#include "win/user/Window.h"

// Buttons.
#define MB_OK 0x00000000L
#define MB_OKCANCEL 0x00000001L
#define MB_ABORTRETRYIGNORE 0x00000002L
#define MB_YESNOCANCEL 0x00000003L
#define MB_YESNO 0x00000004L
#define MB_RETRYCANCEL 0x00000005L
#define MB_TYPEMASK 0x0000000FL
// Icons; kept as flags, the box shows none.
#define MB_ICONHAND 0x00000010L
#define MB_ICONQUESTION 0x00000020L
#define MB_ICONEXCLAMATION 0x00000030L
#define MB_ICONASTERISK 0x00000040L
#define MB_ICONERROR MB_ICONHAND
#define MB_ICONSTOP MB_ICONHAND
#define MB_ICONWARNING MB_ICONEXCLAMATION
#define MB_ICONINFORMATION MB_ICONASTERISK

// The id of the button chosen; 0 (last error ERROR_INVALID_PARAMETER) for a
// type without buttons here. A null caption is "Error", as on Win32.
int MessageBoxW(HWND hWnd, LPCWSTR lpText, LPCWSTR lpCaption, UINT uType);

namespace platform {

// Who answers an open message box: a person on the real system; here whoever
// a higher layer installs (the desktop's scripted user). The default answer,
// 0, stands for the box's cancelling button, so a box never blocks.
class MessageBoxPrompts {
public:
    virtual ~MessageBoxPrompts() = default;
    // The id of the button chosen; 0, or an id the box does not have, for
    // the cancelling button.
    virtual int answerMessageBox(HWND box, const CString& text, UINT type);
};

MessageBoxPrompts& messageBoxPrompts();
// The button a person clicked in an open box; 0 while none.
int MessageBoxChoice(HWND box);
// Null brings the default back.
void setMessageBoxPrompts(MessageBoxPrompts* prompts);

} // namespace platform
