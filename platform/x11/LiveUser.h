#pragma once
// The user of modal UI on the live desktop: a person at the X window. Each
// prompt turns the presenter's loop until the person has answered it; a
// closed X window answers every prompt with its cancel, so the program can
// end. While it lives it answers every prompt of the process in place of
// the desktop's scripted user.
//
// answerModal: turns until the dialog ends (EndDialog hides it) or goes
// answerMenu: the menu window takes the mouse capture and the keys, turns
//   until MenuWindowChoice has an answer
// answerMessageBox: turns until MessageBoxChoice has an answer (the box's
//   own keys, Enter and Esc, reach it through the desktop's message loop)
// answerConfirm: a Yes/No message box with the question
// answerColour, answerFile: the common dialogs' windows (ColourWindow,
//   FileWindow) over the focus window's frame, until they are answered
#include "win/desktop/CommonDialogWindow.h"
#include "win/desktop/ScriptedUser.h"
#include "x11/Presenter.h"

namespace platform::x11 {

class LiveUser : public MenuPrompts, public MessageBoxPrompts, public DialogPrompts {
public:
    explicit LiveUser(Presenter& presenter);
    ~LiveUser() override;
    LiveUser(const LiveUser&) = delete;
    LiveUser& operator=(const LiveUser&) = delete;

    void answerModal(CDialog& dialog) override;
    UINT answerMenu(HWND menuWindow) override;
    int answerMessageBox(HWND box, const CString& text, UINT type) override;
    bool answerConfirm(const CString& question) override;
    bool answerColour(const CString& initial, COLORREF& colour) override;
    bool answerFile(bool open, const CString& filter, CString& path) override;

private:
    // Turns until the window is answered; false when the X window closed first.
    bool turnUntilAnswered(const CommonDialogWindow& window);

    Presenter& m_presenter;
};

} // namespace platform::x11
