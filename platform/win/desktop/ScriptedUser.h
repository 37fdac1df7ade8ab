#pragma once
// The desktop's user for modal UI: it answers the prompts of popup menus and
// message boxes (USER's MenuPrompts and MessageBoxPrompts) and of modal
// dialogs, file and colour dialogs and confirmations (the MFC layer's
// DialogPrompts), installed as all three when this layer is loaded. A test or the demo queues answers in the order the prompts
// will come:
//
//   platform::user().chooseMenuCommand(39950);
//   platform::user().saveFileAs(L"/tmp/table.csv");
//   platform::user().confirm(true); // replace the existing file
//   platform::user().answerMessage(IDOK); // a message box's button
//   platform::user().onModal([](CDialog& dlg) {
//       platform::desktop().saveScreenshot(dlg, "dialog.png");
//       platform::pressButton(dlg, IDOK);
//   });
//
// A prompt takes the first waiting answer when it fits its kind (cancel()
// fits every kind); otherwise, or with no answer waiting, it gets the
// default answer: cancel. So unscripted modal UI never blocks. Every prompt
// is recorded, answered or not.
#include "win/afx/DialogPrompts.h"
#include "win/kernel/String.h"
#include "win/user/Menu.h"
#include "win/user/MessageBox.h"

#include <deque>
#include <functional>
#include <vector>

class CWnd;

namespace platform {

enum class PromptKind { Modal, Menu, OpenFile, SaveFile, Confirm, Colour, Message };

struct Prompt {
    PromptKind kind;
    CString text; // the dialog's title, the file filter, the question, the message
};

class User : public MenuPrompts, public MessageBoxPrompts, public DialogPrompts {
public:
    using DialogScript = std::function<void(CDialog&)>;
    // Looks at the open menu or message box (its window) before the answer is given.
    using MenuLook = std::function<void(HWND)>;

    // The answers, queued.
    void onModal(DialogScript script);
    void chooseMenuCommand(UINT id, MenuLook look = {});
    void dismissMenu(MenuLook look = {});
    void openFile(const CString& path);
    void saveFileAs(const CString& path);
    void confirm(bool yes);
    void pickColour(COLORREF colour);
    // The button of a message box (IDOK, IDYES...).
    void answerMessage(int id, MenuLook look = {});
    void cancel();

    size_t waitingAnswers() const { return m_answers.size(); }
    const std::vector<Prompt>& prompts() const { return m_prompts; }
    // Forgets the waiting answers and the recorded prompts.
    void reset();

    // The prompts, as modal UI asks them. A dialog script runs while the
    // dialog is shown and its messages are dispatched; the dialog stays open
    // when the script does not close it (DoModal then cancels it).
    void answerModal(CDialog& dialog) override;
    // The chosen command, 0 for a dismissed menu.
    UINT answerMenu(HWND menuWindow) override;
    bool answerFile(bool open, const CString& filter, CString& path) override;
    bool answerConfirm(const CString& question) override;
    bool answerColour(const CString& initial, COLORREF& colour) override;
    int answerMessageBox(HWND box, const CString& text, UINT type) override;

private:
    struct Answer {
        explicit Answer(PromptKind k) : kind(k) {}
        PromptKind kind;
        bool cancel = false;
        DialogScript script;
        MenuLook look;
        UINT command = 0;
        CString path;
        bool yes = false;
        COLORREF colour = 0;
        int button = 0;
    };
    // The first waiting answer when it fits, after recording the prompt.
    bool take(PromptKind kind, const CString& text, Answer& answer);

    std::deque<Answer> m_answers;
    std::vector<Prompt> m_prompts;
};

User& user();

// What a scripted user does with a dialog: clicks the control with that id in
// its middle with the desktop's mouse; clicks the caption's close box (not
// there without WS_SYSMENU: nothing happens).
void pressButton(CWnd& dialog, int id);
void closeDialog(CWnd& dialog);

} // namespace platform
