#include "win/desktop/ScriptedUser.h"

#include "win/desktop/Desktop.h"
#include "win/afx/Dialog.h"

namespace platform {

namespace {

// The scripted user answers every prompt of the process from the time this
// layer is loaded.
[[maybe_unused]] const bool installed = [] {
    setMenuPrompts(&user());
    setMessageBoxPrompts(&user());
    setDialogPrompts(&user());
    return true;
}();

} // namespace

void User::onModal(DialogScript script)
{
    Answer a{PromptKind::Modal};
    a.script = std::move(script);
    m_answers.push_back(std::move(a));
}

void User::chooseMenuCommand(UINT id, MenuLook look)
{
    Answer a{PromptKind::Menu};
    a.command = id;
    a.look = std::move(look);
    m_answers.push_back(std::move(a));
}

void User::dismissMenu(MenuLook look)
{
    Answer a{PromptKind::Menu};
    a.look = std::move(look);
    m_answers.push_back(std::move(a));
}

void User::openFile(const CString& path)
{
    Answer a{PromptKind::OpenFile};
    a.path = path;
    m_answers.push_back(std::move(a));
}

void User::saveFileAs(const CString& path)
{
    Answer a{PromptKind::SaveFile};
    a.path = path;
    m_answers.push_back(std::move(a));
}

void User::confirm(bool yes)
{
    Answer a{PromptKind::Confirm};
    a.yes = yes;
    m_answers.push_back(std::move(a));
}

void User::pickColour(COLORREF colour)
{
    Answer a{PromptKind::Colour};
    a.colour = colour;
    m_answers.push_back(std::move(a));
}

void User::answerMessage(int id, MenuLook look)
{
    Answer a{PromptKind::Message};
    a.button = id;
    a.look = std::move(look);
    m_answers.push_back(std::move(a));
}

void User::cancel()
{
    Answer a{PromptKind::Modal};
    a.cancel = true;
    m_answers.push_back(std::move(a));
}

void User::reset()
{
    m_answers.clear();
    m_prompts.clear();
}

bool User::take(PromptKind kind, const CString& text, Answer& answer)
{
    m_prompts.push_back(Prompt{kind, text});
    if (m_answers.empty()) return false;
    const Answer& first = m_answers.front();
    if (!first.cancel && first.kind != kind) return false;
    answer = std::move(m_answers.front());
    m_answers.pop_front();
    return !answer.cancel;
}

void User::answerModal(CDialog& dialog)
{
    CString title;
    dialog.GetWindowText(title);
    Answer a{PromptKind::Modal};
    if (take(PromptKind::Modal, title, a) && a.script) a.script(dialog);
}

UINT User::answerMenu(HWND menuWindow)
{
    Answer a{PromptKind::Menu};
    if (!take(PromptKind::Menu, CString(), a)) return 0;
    if (a.look) a.look(menuWindow);
    return a.command;
}

bool User::answerFile(bool open, const CString& filter, CString& path)
{
    Answer a{open ? PromptKind::OpenFile : PromptKind::SaveFile};
    if (!take(a.kind, filter, a)) return false;
    path = a.path;
    return true;
}

bool User::answerConfirm(const CString& question)
{
    Answer a{PromptKind::Confirm};
    return take(PromptKind::Confirm, question, a) && a.yes;
}

bool User::answerColour(const CString& initial, COLORREF& colour)
{
    Answer a{PromptKind::Colour};
    if (!take(PromptKind::Colour, initial, a)) return false;
    colour = a.colour;
    return true;
}

int User::answerMessageBox(HWND box, const CString& text, UINT)
{
    Answer a{PromptKind::Message};
    if (!take(PromptKind::Message, text, a)) return 0;
    if (a.look) a.look(box);
    return a.button;
}

User& user()
{
    static User* u = new User; // see win/user/WindowManager.cpp
    return *u;
}

void pressButton(CWnd& dialog, int id)
{
    CWnd* control = dialog.GetDlgItem(id);
    if (!control) return;
    CRect r;
    control->GetWindowRect(&r);
    desktop().click(r.CenterPoint());
}

void closeDialog(CWnd& dialog)
{
    TITLEBARINFOEX info{};
    info.cbSize = sizeof info;
    dialog.SendMessage(WM_GETTITLEBARINFOEX, 0, (LPARAM)&info);
    if (!(info.rgstate[CCHILDREN_TITLEBAR] & STATE_SYSTEM_INVISIBLE))
        desktop().click(CRect(info.rgrect[CCHILDREN_TITLEBAR]).CenterPoint());
}

} // namespace platform
