// The desktop's clipboard and the X clipboard; see ClipboardBridge.h.
#include "x11/ClipboardBridge.h"

namespace platform::x11 {

namespace {

constexpr const wchar_t* kClassName = L"VorelClipboardBridge";

} // namespace

ClipboardBridge::ClipboardBridge(XScreenWindow& window) : m_window(window)
{
    WNDCLASSW cls{};
    cls.lpfnWndProc = windowProc;
    cls.lpszClassName = kClassName;
    RegisterClassW(&cls); // fails harmlessly when a bridge before registered it
    m_hWnd = CreateWindowExW(0, kClassName, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
    SetWindowLongPtrW(m_hWnd, GWLP_USERDATA, (LONG_PTR)this);
    // Another program's copy counts from the start; else a text the program
    // copied before goes to the X clipboard at the first turn.
    if (m_window.clipboardHeldElsewhere()) foreignChange(true);
}

ClipboardBridge::~ClipboardBridge()
{
    DestroyWindow(m_hWnd);
}

void ClipboardBridge::follow()
{
    const DWORD now = GetClipboardSequenceNumber();
    if (now == m_seen) return;
    m_seen = now;
    if (GetClipboardOwner() != m_hWnd && IsClipboardFormatAvailable(CF_UNICODETEXT))
        m_window.offerClipboard(ClipboardText().str());
}

void ClipboardBridge::foreignChange(bool heldElsewhere)
{
    if (!OpenClipboard(m_hWnd)) return;
    EmptyClipboard();
    if (heldElsewhere) SetClipboardData(CF_UNICODETEXT, nullptr);
    CloseClipboard();
    m_seen = GetClipboardSequenceNumber();
}

LRESULT CALLBACK ClipboardBridge::windowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* bridge = (ClipboardBridge*)GetWindowLongPtrW(hWnd, GWLP_USERDATA);
    if (message == WM_RENDERFORMAT && bridge) {
        bridge->render((UINT)wParam);
        return 0;
    }
    return DefWindowProcW(hWnd, message, wParam, lParam);
}

void ClipboardBridge::render(UINT format)
{
    std::wstring text;
    if (format != CF_UNICODETEXT || !m_window.clipboardText(fetchTimeoutMs, text)) return;
    HGLOBAL block = TextBlock(CString(text));
    if (block && !SetClipboardData(CF_UNICODETEXT, block)) GlobalFree(block);
}

} // namespace platform::x11
