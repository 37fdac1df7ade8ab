#pragma once
// What the windows of the common dialogs share (the colour and file dialogs
// that a person answers): a "#32770" window with a caption and close box,
// centred over its owner (or the screen), modal the way DialogBox is: the
// owner is disabled and the window's keys go through IsDialogMessageW
// (BeginDialogLoop) while it lives, so Enter clicks the default button and
// Esc cancels. OK, Cancel and the close box end it; whoever runs the loop
// (a person's loop, a test) reads result() after each turn.
//
// create -> the window, subclassed to this object -> the derived window
//   adds its controls -> shown, the first tab stop focused
// WM_COMMAND -> onCommand: IDOK asks accept(), IDCANCEL (Esc, the close
//   box's WM_CLOSE) ends as IDCANCEL; other controls' notifications
// WM_PAINT -> onPaint on the dialog face; WM_LBUTTONDOWN -> onClick
// ~CommonDialogWindow -> the window goes, the owner is enabled again and
//   the focus returns to where it was.
#include "win/kernel/String.h"
#include "win/user/Controls.h"

namespace platform {

class CommonDialogWindow {
public:
    virtual ~CommonDialogWindow();
    CommonDialogWindow(const CommonDialogWindow&) = delete;
    CommonDialogWindow& operator=(const CommonDialogWindow&) = delete;

    HWND hwnd() const { return m_hWnd; }
    // IDOK or IDCANCEL once answered; 0 while open.
    int result() const { return m_result; }

protected:
    CommonDialogWindow() = default;
    // False when the window cannot be created (it then counts as cancelled).
    bool create(HWND owner, LPCWSTR caption, CSize client);
    // Shows the window with the focus on its first tab stop, once the
    // derived window has its controls.
    void show();
    HWND addControl(LPCWSTR cls, UINT id, LPCWSTR text, DWORD style, const CRect& r);

    // Whether OK may end the dialog (a file dialog with no name may not).
    virtual bool accept() { return true; }
    virtual void onCommand(UINT /*id*/, UINT /*code*/) {}
    virtual void onPaint(HDC /*dc*/) {}
    virtual void onClick(CPoint /*client*/) {}

private:
    static LRESULT CALLBACK proc(HWND h, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);

    HWND m_hWnd = nullptr;
    HWND m_owner = nullptr;
    HWND m_focusBefore = nullptr;
    bool m_ownerWasDisabled = false;
    int m_result = 0;
};

// The top-level window of the focus window, the owner of a dialog that a
// prompt opens; null when nothing has the focus.
HWND ActiveTopLevelWindow();

} // namespace platform
