#include "x11/LiveUser.h"

#include "win/desktop/ColourWindow.h"
#include "win/desktop/FileWindow.h"

namespace platform::x11 {

LiveUser::LiveUser(Presenter& presenter) : m_presenter(presenter)
{
    setMenuPrompts(this);
    setMessageBoxPrompts(this);
    setDialogPrompts(this);
}

LiveUser::~LiveUser()
{
    setMenuPrompts(&user());
    setMessageBoxPrompts(&user());
    setDialogPrompts(&user());
}

void LiveUser::answerModal(CDialog& dialog)
{
    const HWND h = dialog.GetSafeHwnd();
    while (IsWindow(h) && IsWindowVisible(h) && m_presenter.pump()) {
    }
}

UINT LiveUser::answerMenu(HWND menuWindow)
{
    const HWND captured = GetCapture();
    SetCapture(menuWindow);
    m_presenter.setKeyTarget(menuWindow);
    // The pointer may already rest on an item.
    desktop().moveMouse(desktop().cursorPos());
    while (IsWindow(menuWindow) && MenuWindowChoice(menuWindow) < 0 && m_presenter.pump()) {
    }
    m_presenter.setKeyTarget(nullptr);
    if (GetCapture() == menuWindow) {
        ReleaseCapture();
        if (captured && IsWindow(captured)) SetCapture(captured);
    }
    return IsWindow(menuWindow) ? (UINT)std::max(MenuWindowChoice(menuWindow), 0) : 0;
}

int LiveUser::answerMessageBox(HWND box, const CString&, UINT)
{
    while (IsWindow(box) && !MessageBoxChoice(box) && m_presenter.pump()) {
    }
    return IsWindow(box) ? MessageBoxChoice(box) : 0;
}

bool LiveUser::answerConfirm(const CString& question)
{
    return MessageBoxW(nullptr, question, L"Confirm Save As", MB_YESNO | MB_ICONWARNING) == IDYES;
}

bool LiveUser::turnUntilAnswered(const CommonDialogWindow& window)
{
    while (IsWindow(window.hwnd()) && !window.result() && m_presenter.pump()) {
    }
    return window.result() == IDOK;
}

bool LiveUser::answerColour(const CString&, COLORREF& colour)
{
    ColourWindow window(ActiveTopLevelWindow(), colour);
    if (!turnUntilAnswered(window)) return false;
    colour = window.colour();
    return true;
}

bool LiveUser::answerFile(bool open, const CString&, CString& path)
{
    FileWindow window(ActiveTopLevelWindow(), open, path);
    if (!turnUntilAnswered(window)) return false;
    path = window.path();
    return true;
}

} // namespace platform::x11
