#include "win/afx/MessageBox.h"

#include "win/afx/WinThread.h"
#include "win/afx/Wnd.h"
#include "win/kernel/Utf8.h"

#include <cerrno>

namespace {

HWND topLevelOf(HWND h)
{
    while (h && (GetWindowLongW(h, GWL_STYLE) & WS_CHILD))
        h = GetParent(h);
    return h;
}

HWND safeOwner()
{
    if (CWnd* main = AfxGetMainWnd(); main && IsWindow(main->m_hWnd))
        return main->m_hWnd;
    return topLevelOf(GetFocus());
}

} // namespace

int AfxMessageBox(LPCWSTR lpszText, UINT nType, UINT)
{
    return MessageBoxW(safeOwner(), lpszText, AfxGetAppName(), nType);
}

int AfxMessageBox(UINT nIDPrompt, UINT nType, UINT nIDHelp)
{
    CString text;
    text.LoadString(nIDPrompt);
    return AfxMessageBox(text, nType, nIDHelp);
}

LPCWSTR AfxGetAppName()
{
    static const std::wstring name = fromUtf8(program_invocation_short_name);
    return name.c_str();
}
