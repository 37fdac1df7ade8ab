#include "win/desktop/FileWindow.h"

#include "win/kernel/Utf8.h"
#include "win/user/DialogTemplate.h"

#include <algorithm>
#include <vector>

namespace platform {

namespace fs = std::filesystem;

namespace {

constexpr int width = 400, margin = 10, buttonWidth = 75, buttonHeight = 23, gap = 6;

fs::path pathOf(const std::wstring& text)
{
    return fs::path(toUtf8(text));
}

std::wstring textOf(const fs::path& p)
{
    return fromUtf8(p.string());
}

// The folder's entries as the list shows them.
std::vector<std::wstring> entriesOf(const fs::path& folder)
{
    std::vector<std::wstring> folders, files;
    std::error_code ec;
    for (const fs::directory_entry& e : fs::directory_iterator(folder, ec)) {
        const std::wstring name = textOf(e.path().filename());
        if (e.is_directory(ec)) folders.push_back(name + L"/");
        else files.push_back(name);
    }
    std::sort(folders.begin(), folders.end());
    std::sort(files.begin(), files.end());
    std::vector<std::wstring> all;
    if (folder.has_parent_path() && folder.parent_path() != folder) all.push_back(L"..");
    all.insert(all.end(), folders.begin(), folders.end());
    all.insert(all.end(), files.begin(), files.end());
    return all;
}

} // namespace

FileWindow::FileWindow(HWND owner, bool open, const CString& initial)
{
    std::error_code ec;
    const fs::path given = pathOf((LPCWSTR)initial);
    const fs::path folder = given.has_parent_path() ? given.parent_path() : fs::current_path(ec);
    if (!create(owner, open ? L"Open" : L"Save As", CSize(width, 250 + buttonHeight + margin))) return;
    addControl(WC_STATIC, 0xFFFF, L"File &name:", SS_LEFT, CRect(margin, 14, 82, 30));
    addControl(WC_EDIT, nameEdit, textOf(given.filename()).c_str(), WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL,
               CRect(84, 10, width - margin, 32));
    addControl(WC_LISTBOX, entryList, L"", WS_TABSTOP | WS_BORDER | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
               CRect(margin, 40, width - margin, 240));
    const int right = width - margin;
    addControl(WC_BUTTON, IDOK, open ? L"&Open" : L"&Save", WS_TABSTOP | BS_DEFPUSHBUTTON,
               CRect(right - 2 * buttonWidth - gap, 250, right - buttonWidth - gap, 250 + buttonHeight));
    addControl(WC_BUTTON, IDCANCEL, L"Cancel", WS_TABSTOP | BS_PUSHBUTTON,
               CRect(right - buttonWidth, 250, right, 250 + buttonHeight));
    showFolder(fs::absolute(folder, ec));
    show();
}

CString FileWindow::path() const
{
    return CString(textOf(m_chosen).c_str());
}

std::wstring FileWindow::typedName() const
{
    const HWND edit = GetDlgItem(hwnd(), nameEdit);
    std::wstring name((size_t)GetWindowTextLengthW(edit) + 1, L'\0');
    name.resize((size_t)GetWindowTextW(edit, name.data(), (int)name.size()));
    return name;
}

void FileWindow::showFolder(const fs::path& folder)
{
    m_folder = folder.lexically_normal();
    if (m_folder.has_relative_path() && m_folder.filename().empty()) m_folder = m_folder.parent_path();
    const HWND list = GetDlgItem(hwnd(), entryList);
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    for (const std::wstring& entry : entriesOf(m_folder)) SendMessageW(list, LB_ADDSTRING, 0, (LPARAM)entry.c_str());
}

bool FileWindow::accept()
{
    const std::wstring name = typedName();
    if (name.empty()) return false;
    const fs::path target = (m_folder / pathOf(name)).lexically_normal();
    std::error_code ec;
    if (name == L".." || name.back() == L'/' || fs::is_directory(target, ec)) {
        showFolder(target);
        SetDlgItemTextW(hwnd(), nameEdit, L"");
        return false;
    }
    m_chosen = target;
    return true;
}

void FileWindow::onCommand(UINT id, UINT code)
{
    if (id != entryList || code != LBN_SELCHANGE) return;
    const HWND list = GetDlgItem(hwnd(), entryList);
    const int at = (int)SendMessageW(list, LB_GETCURSEL, 0, 0);
    if (at < 0) return;
    std::wstring entry((size_t)SendMessageW(list, LB_GETTEXTLEN, (WPARAM)at, 0) + 1, L'\0');
    entry.resize((size_t)SendMessageW(list, LB_GETTEXT, (WPARAM)at, (LPARAM)entry.data()));
    SetDlgItemTextW(hwnd(), nameEdit, entry.c_str());
}

} // namespace platform
