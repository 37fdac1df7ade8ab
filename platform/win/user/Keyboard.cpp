// The keyboard: focus, key state, the US layout, and the desktop's key input.
//
// devices::keyDown(vk), from the desktop facade -> the key is down now
//   (GetAsyncKeyState)
//   -> WM_KEYDOWN (WM_SYSKEYDOWN with Alt, its context bit 29 set; F10 and
//      Alt itself are system keys too) posted to the focus window
//   -> when the message loop retrieves it, GetKeyState follows (noteInput),
//      and TranslateMessage puts the key's WM_CHAR (WM_SYSCHAR) in front of
//      the queue.
#include "win/user/Input.h"

#include "win/user/MessageQueue.h"
#include "win/user/WindowManager.h"

using namespace platform;

namespace {

constexpr BYTE down = 0x80;
constexpr BYTE toggled = 0x01;

struct Keyboard {
    BYTE async[256] = {};
    BYTE state[256] = {}; // as of the last input message retrieved
    HWND focus = nullptr;
};

Keyboard& keyboard()
{
    static Keyboard* k = new Keyboard; // see WindowManager.cpp
    return *k;
}

// Keys that type the same character with or without Ctrl's absence; letters
// are handled on their own.
struct KeyChars {
    UINT vk;
    WCHAR plain;
    WCHAR shifted;
};
constexpr KeyChars layout[] = {
    {'0', L'0', L')'},           {'1', L'1', L'!'},          {'2', L'2', L'@'},         {'3', L'3', L'#'},
    {'4', L'4', L'$'},           {'5', L'5', L'%'},          {'6', L'6', L'^'},         {'7', L'7', L'&'},
    {'8', L'8', L'*'},           {'9', L'9', L'('},          {VK_SPACE, L' ', L' '},    {VK_RETURN, L'\r', L'\r'},
    {VK_BACK, L'\b', L'\b'},     {VK_TAB, L'\t', L'\t'},     {VK_ESCAPE, 27, 27},       {VK_OEM_1, L';', L':'},
    {VK_OEM_PLUS, L'=', L'+'},   {VK_OEM_COMMA, L',', L'<'}, {VK_OEM_MINUS, L'-', L'_'}, {VK_OEM_PERIOD, L'.', L'>'},
    {VK_OEM_2, L'/', L'?'},      {VK_OEM_3, L'`', L'~'},     {VK_OEM_4, L'[', L'{'},    {VK_OEM_5, L'\\', L'|'},
    {VK_OEM_6, L']', L'}'},      {VK_OEM_7, L'\'', L'"'},    {VK_MULTIPLY, L'*', L'*'}, {VK_ADD, L'+', L'+'},
    {VK_SUBTRACT, L'-', L'-'},   {VK_DECIMAL, L'.', L'.'},   {VK_DIVIDE, L'/', L'/'},
};

bool isDown(const BYTE* keys, UINT vk)
{
    return (keys[vk & 0xFF] & down) != 0;
}

UINT keyMessage(UINT vk, bool press)
{
    const bool alt = isDown(keyboard().async, VK_MENU) && !isDown(keyboard().async, VK_CONTROL);
    const bool sys = alt || vk == VK_MENU || vk == VK_F10;
    if (press) return sys ? WM_SYSKEYDOWN : WM_KEYDOWN;
    return sys ? WM_SYSKEYUP : WM_KEYUP;
}

// The context code (bit 29) of a system key message: Alt is down.
LPARAM context(UINT message)
{
    const bool sys = message == WM_SYSKEYDOWN || message == WM_SYSKEYUP;
    return sys && isDown(keyboard().async, VK_MENU) ? (LPARAM)1 << 29 : 0;
}

} // namespace

namespace platform::wm {

void setAsyncKey(int vk, bool isPressed)
{
    BYTE& k = keyboard().async[vk & 0xFF];
    if (isPressed && !(k & down)) k ^= toggled;
    k = isPressed ? (BYTE)(k | down) : (BYTE)(k & ~down);
}

void noteInput(const MSG& msg)
{
    BYTE* state = keyboard().state;
    auto set = [&](UINT vk, bool isPressed) {
        BYTE& k = state[vk & 0xFF];
        if (isPressed && !(k & down)) k ^= toggled;
        k = isPressed ? (BYTE)(k | down) : (BYTE)(k & ~down);
    };
    switch (msg.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: set((UINT)msg.wParam, true); break;
    case WM_KEYUP:
    case WM_SYSKEYUP: set((UINT)msg.wParam, false); break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: set(VK_LBUTTON, true); break;
    case WM_LBUTTONUP: set(VK_LBUTTON, false); break;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK: set(VK_RBUTTON, true); break;
    case WM_RBUTTONUP: set(VK_RBUTTON, false); break;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK: set(VK_MBUTTON, true); break;
    case WM_MBUTTONUP: set(VK_MBUTTON, false); break;
    default: break;
    }
}

WCHAR charForKey(UINT vk, bool system)
{
    const BYTE* state = keyboard().state;
    const bool shift = isDown(state, VK_SHIFT), ctrl = isDown(state, VK_CONTROL), alt = isDown(state, VK_MENU);
    if (alt && !system) return 0;
    if (vk >= 'A' && vk <= 'Z') {
        if (ctrl) return (WCHAR)(vk - 'A' + 1);
        const bool upper = shift != ((state[VK_CAPITAL] & toggled) != 0);
        return (WCHAR)(upper ? vk : vk + ('a' - 'A'));
    }
    if (ctrl) return 0;
    if (vk >= VK_NUMPAD0 && vk <= VK_NUMPAD9) return (WCHAR)(L'0' + (vk - VK_NUMPAD0));
    for (const KeyChars& k : layout)
        if (k.vk == vk) return shift ? k.shifted : k.plain;
    return 0;
}

void forgetInput(HWND h)
{
    if (keyboard().focus == h) keyboard().focus = nullptr;
    forgetMouse(h);
}

} // namespace platform::wm

HWND SetFocus(HWND hWnd)
{
    if (hWnd && !wm::findOrFail(hWnd)) return nullptr;
    Keyboard& k = keyboard();
    const HWND old = k.focus;
    if (old == hWnd) return old;
    k.focus = hWnd;
    if (old) SendMessageW(old, WM_KILLFOCUS, (WPARAM)hWnd, 0);
    if (hWnd && k.focus == hWnd) SendMessageW(hWnd, WM_SETFOCUS, (WPARAM)old, 0);
    return old;
}

HWND GetFocus()
{
    return keyboard().focus;
}

SHORT GetKeyState(int nVirtKey)
{
    const BYTE k = keyboard().state[nVirtKey & 0xFF];
    return (SHORT)(((k & down) ? 0x8000 : 0) | (k & toggled));
}

SHORT GetAsyncKeyState(int vKey)
{
    return isDown(keyboard().async, (UINT)vKey) ? (SHORT)0x8000 : 0;
}

SHORT VkKeyScanW(WCHAR ch)
{
    if (ch >= L'a' && ch <= L'z') return (SHORT)(ch - L'a' + 'A');
    if (ch >= L'A' && ch <= L'Z') return (SHORT)(0x100 | ch);
    if (ch == L'\n') return VK_RETURN;
    for (const KeyChars& k : layout) {
        if (k.vk >= VK_NUMPAD0 && k.vk <= VK_DIVIDE) continue; // the main keys come first
        if (k.plain == ch) return (SHORT)k.vk;
        if (k.shifted == ch) return (SHORT)(0x100 | k.vk);
    }
    return -1;
}

namespace platform::devices {

void keyDown(UINT vk)
{
    vk &= 0xFF;
    const bool repeat = isDown(keyboard().async, vk);
    wm::setAsyncKey((int)vk, true);
    const UINT message = keyMessage(vk, true);
    const LPARAM flags = 1 | (repeat ? (1 << 30) : 0) | context(message);
    if (const HWND focus = keyboard().focus; focus && wm::acceptsInput(focus))
        PostMessageW(focus, message, vk, flags);
}

void keyUp(UINT vk)
{
    vk &= 0xFF;
    const UINT message = keyMessage(vk, false);
    wm::setAsyncKey((int)vk, false);
    if (const HWND focus = keyboard().focus; focus && wm::acceptsInput(focus))
        PostMessageW(focus, message, vk, (LPARAM)(DWORD)0xC0000001 | context(message));
}

} // namespace platform::devices
