// The desktop facade: each input or clock step goes to USER's devices, which
// post what it causes; then the message loop below, MFC's, dispatches it.
//
// moveMouse / pressButton / keyDown / ... -> devices:: (win/user/Input.h)
//   -> settle(): processMessages() unless messages are held
// advanceClock -> devices::advanceClock, with settle() after each timer that
//   falls due and once more when the clock has reached its target
// processMessages -> PeekMessageW -> IsDialogMessageW of the dialog whose own
//   loop runs (a message box) -> CWinThread::PreTranslateMessage
//   -> TranslateMessage -> DispatchMessageW, until only WM_QUIT is left.
#include "win/desktop/Desktop.h"

#include "win/afx/WinThread.h"
#include "win/gdi/Png.h"
#include "win/user/DialogKeys.h"

namespace platform {

void Desktop::moveMouse(CPoint screen)
{
    devices::moveMouse(screen);
    settle();
}

void Desktop::pressButton(MouseButton button)
{
    devices::pressButton(button);
    settle();
}

void Desktop::releaseButton(MouseButton button)
{
    devices::releaseButton(button);
    settle();
}

void Desktop::click(CPoint screen, MouseButton button)
{
    moveMouse(screen);
    pressButton(button);
    releaseButton(button);
}

CPoint Desktop::cursorPos() const
{
    CPoint p;
    GetCursorPos(&p);
    return p;
}

HCURSOR Desktop::cursor() const
{
    return GetCursor();
}

void Desktop::keyDown(UINT vk)
{
    devices::keyDown(vk);
    settle();
}

void Desktop::keyUp(UINT vk)
{
    devices::keyUp(vk);
    settle();
}

void Desktop::turnWheel(int delta)
{
    devices::turnWheel(delta);
    settle();
}

void Desktop::pressKey(UINT vk)
{
    keyDown(vk);
    keyUp(vk);
}

void Desktop::typeText(const CString& text)
{
    for (int i = 0; i < text.GetLength(); ++i) {
        const WCHAR ch = text[i];
        const SHORT scan = VkKeyScanW(ch);
        if (scan == -1) {
            postCharacter(ch);
            continue;
        }
        const bool shift = (scan & 0x100) && !(GetAsyncKeyState(VK_SHIFT) & 0x8000);
        if (shift) keyDown(VK_SHIFT);
        pressKey((UINT)(scan & 0xFF));
        if (shift) keyUp(VK_SHIFT);
    }
}

void Desktop::typeCharacter(WCHAR ch)
{
    const SHORT scan = VkKeyScanW(ch);
    const bool shiftDown = GetAsyncKeyState(VK_SHIFT) & 0x8000;
    if (scan == -1 || bool(scan & 0x100) != shiftDown) {
        postCharacter(ch);
        return;
    }
    pressKey((UINT)(scan & 0xFF));
}

void Desktop::postCharacter(WCHAR ch)
{
    if (const HWND focus = GetFocus()) PostMessageW(focus, WM_CHAR, ch, 1);
    settle();
}

DWORD Desktop::now() const
{
    return GetTickCount();
}

void Desktop::advanceClock(DWORD ms)
{
    devices::advanceClock(ms, [this] { settle(); });
    settle();
}

void Desktop::processMessages()
{
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE) && msg.message != WM_QUIT) {
        PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE);
        const HWND dialog = DialogLoopWindow();
        if (dialog && IsDialogMessageW(dialog, &msg)) continue;
        if (AfxGetThread()->PreTranslateMessage(&msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

void Desktop::settle()
{
    if (!m_holdMessages) processMessages();
}

bool Desktop::saveScreenshot(const std::filesystem::path& file) const
{
    return SavePng(screen(), screen().bounds(), file);
}

bool Desktop::saveScreenshot(HWND hWnd, const std::filesystem::path& file) const
{
    CRect r;
    return GetWindowRect(hWnd, &r) && SavePng(screen(), r, file);
}

Desktop& desktop()
{
    static Desktop d;
    return d;
}

} // namespace platform
