#include "x11/LiveUser.h"

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

} // namespace platform::x11
