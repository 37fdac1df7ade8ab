#include "x11/Presenter.h"

#include "x11/KeyMap.h"

namespace platform::x11 {

namespace {

MouseButton buttonOf(int xButton)
{
    return xButton == 3 ? MouseButton::Right : xButton == 2 ? MouseButton::Middle : MouseButton::Left;
}

} // namespace

bool Presenter::open(const char* displayName, const std::string& title, std::string& error)
{
    const CSize size = desktop().screenSize();
    if (!m_window.open(displayName, size.cx, size.cy, title, error)) return false;
    m_shownArea = CRect(0, 0, size.cx, size.cy);
    m_clipboard = std::make_unique<ClipboardBridge>(m_window);
    m_lastTick = std::chrono::steady_clock::now();
    desktop().processMessages();
    present();
    return true;
}

bool Presenter::pump(int timeoutMs)
{
    if (m_closed) return false;
    present();
    for (const XInput& in : m_window.takeInput(m_pending.empty() ? timeoutMs : 0)) m_pending.push_back(in);
    // One input a turn, taken off before it is fed: an input that opens a
    // modal loop (a menu, a dialog) leaves the ones after it to that loop, and
    // the loop sees whether it is over before the next one.
    if (!m_pending.empty()) {
        const XInput in = m_pending.front();
        m_pending.pop_front();
        feed(in);
    }
    if (!m_closed) {
        advanceTime();
        m_clipboard->follow();
        present();
    }
    return !m_closed;
}

void Presenter::run()
{
    while (pump()) {
    }
}

void Presenter::feed(const XInput& in)
{
    switch (in.kind) {
    case XInput::Motion: desktop().moveMouse(CPoint(in.x, in.y)); break;
    case XInput::ButtonDown:
    case XInput::ButtonUp: feedButton(in); break;
    case XInput::KeyDown: feedKeyDown(in); break;
    case XInput::KeyUp: feedKeyUp(in); break;
    case XInput::Exposed: m_damage.forget(CRect(in.x, in.y, in.x + in.width, in.y + in.height)); break;
    case XInput::Resized: resizeScreen(in.width, in.height); break;
    case XInput::Closed: m_closed = true; break;
    case XInput::ClipboardChanged: m_clipboard->foreignChange(in.heldElsewhere); break;
    }
}

void Presenter::feedButton(const XInput& in)
{
    Desktop& desk = desktop();
    if (desk.cursorPos() != CPoint(in.x, in.y)) desk.moveMouse(CPoint(in.x, in.y));
    if (in.button == 4 || in.button == 5) {
        if (in.kind == XInput::ButtonDown) desk.turnWheel(in.button == 4 ? WHEEL_DELTA : -WHEEL_DELTA);
        return;
    }
    if (in.button > 3) return;
    if (in.kind == XInput::ButtonDown) desk.pressButton(buttonOf(in.button));
    else desk.releaseButton(buttonOf(in.button));
}

void Presenter::feedKeyDown(const XInput& in)
{
    const UINT vk = virtualKeyOf(in.keysym);
    if (m_keyTarget) {
        if (vk && IsWindow(m_keyTarget)) SendMessageW(m_keyTarget, WM_KEYDOWN, vk, 1);
        return;
    }
    const bool commandHeld = GetAsyncKeyState(VK_CONTROL) < 0 || GetAsyncKeyState(VK_MENU) < 0;
    if (!isCommandKey(vk) && !commandHeld && in.character >= 0x20 && in.character != 0x7F) {
        desktop().typeCharacter((WCHAR)in.character); // the layout's character
        return;
    }
    if (!vk) return;
    m_keysDown.insert(vk);
    desktop().keyDown(vk);
}

void Presenter::feedKeyUp(const XInput& in)
{
    const UINT vk = virtualKeyOf(in.keysym);
    if (!m_keysDown.erase(vk)) return;
    desktop().keyUp(vk);
}

void Presenter::resizeScreen(int width, int height)
{
    if (!m_window.resize(width, height)) return;
    desktop().setScreenSize(width, height);
    m_shownArea = CRect(0, 0, width, height);
    InvalidateRect(nullptr, nullptr, TRUE);
    desktop().processMessages();
}

void Presenter::advanceTime()
{
    using namespace std::chrono;
    const auto now = steady_clock::now();
    const auto ms = duration_cast<milliseconds>(now - m_lastTick);
    if (ms.count() <= 0) return;
    m_lastTick += ms;
    desktop().advanceClock((DWORD)ms.count());
}

void Presenter::present()
{
    const Surface& screen = desktop().screen();
    for (CRect r : m_damage.take(screen)) {
        r.IntersectRect(r, m_shownArea);
        if (!r.IsRectEmpty())
            m_window.show(screen.row(0), screen.width(), r.left, r.top, r.Width(), r.Height());
    }
}

} // namespace platform::x11
