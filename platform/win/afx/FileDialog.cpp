#include "win/afx/FileDialog.h"

#include "win/afx/DialogPrompts.h"
#include "win/kernel/Utf8.h"

#include <filesystem>

namespace {

DWORD lastError = 0;

// The '\0'-separated filter back in its '|' form, as the user is shown it.
CString filterText(LPCWSTR filter)
{
    CString text;
    if (!filter) return text;
    for (const wchar_t* p = filter; *p; p += std::wcslen(p) + 1) {
        text += p;
        text += L"|";
    }
    return text + L"|";
}

std::filesystem::path fsPath(const std::wstring& path)
{
    return std::filesystem::path(toUtf8(path));
}

size_t nameStart(const std::wstring& path)
{
    const size_t slash = path.find_last_of(L'/');
    return slash == std::wstring::npos ? 0 : slash + 1;
}

size_t extensionStart(const std::wstring& path)
{
    const size_t dot = path.find_last_of(L'.');
    return dot == std::wstring::npos || dot < nameStart(path) ? path.size() : dot + 1;
}

std::wstring withDefaultExtension(std::wstring path, LPCWSTR defExt)
{
    if (!defExt || extensionStart(path) < path.size()) return path;
    std::wstring ext = defExt;
    if (!ext.empty() && ext[0] == L'.') ext.erase(0, 1);
    if (!ext.empty()) path += L"." + ext;
    return path;
}

// Whether the dialog takes the name, once any question about it is answered.
bool acceptable(const std::wstring& path, DWORD flags)
{
    if (path.empty() || nameStart(path) == path.size()) return false;
    std::error_code ec;
    const bool exists = std::filesystem::exists(fsPath(path), ec);
    if ((flags & OFN_FILEMUSTEXIST) && !exists) return false;
    if (!(flags & OFN_OVERWRITEPROMPT) || !exists) return true;
    CString question;
    question.Format(L"%s already exists.\nDo you want to replace it?", path.substr(nameStart(path)).c_str());
    return platform::dialogPrompts().answerConfirm(question);
}

BOOL askForFile(LPOPENFILENAMEW ofn, bool open)
{
    lastError = 0;
    if (!ofn || !ofn->lpstrFile || ofn->nMaxFile == 0) return FALSE;
    const CString filter = filterText(ofn->lpstrFilter);
    for (;;) {
        CString answer(ofn->lpstrFile); // the initial name, which the prompt may show
        if (!platform::dialogPrompts().answerFile(open, filter, answer)) return FALSE;
        const std::wstring path = withDefaultExtension((LPCWSTR)answer, ofn->lpstrDefExt);
        if (!acceptable(path, ofn->Flags)) continue;
        if (path.size() + 1 > ofn->nMaxFile) {
            lastError = FNERR_BUFFERTOOSMALL;
            return FALSE;
        }
        std::wmemcpy(ofn->lpstrFile, path.c_str(), path.size() + 1);
        ofn->nFileOffset = (WORD)nameStart(path);
        ofn->nFileExtension = (WORD)extensionStart(path);
        return TRUE;
    }
}

} // namespace

BOOL GetOpenFileNameW(LPOPENFILENAMEW lpofn)
{
    return askForFile(lpofn, true);
}

BOOL GetSaveFileNameW(LPOPENFILENAMEW lpofn)
{
    return askForFile(lpofn, false);
}

DWORD CommDlgExtendedError()
{
    return lastError;
}

CFileDialog::CFileDialog(BOOL bOpenFileDialog, LPCWSTR lpszDefExt, LPCWSTR lpszFileName, DWORD dwFlags,
                         LPCWSTR lpszFilter, CWnd* pParentWnd)
    : m_bOpenFileDialog(bOpenFileDialog), m_szFileName(4096, L'\0')
{
    m_pParentWnd = pParentWnd;
    if (lpszFileName) std::wcsncpy(m_szFileName.data(), lpszFileName, m_szFileName.size() - 1);
    if (lpszDefExt) m_strDefExt = lpszDefExt;
    if (lpszFilter) {
        m_strFilter = lpszFilter;
        for (wchar_t& c : m_strFilter)
            if (c == L'|') c = L'\0';
        m_strFilter.push_back(L'\0');
    }
    m_ofn.lStructSize = sizeof m_ofn;
    m_ofn.lpstrFile = m_szFileName.data();
    m_ofn.nMaxFile = (DWORD)m_szFileName.size();
    m_ofn.lpstrFilter = lpszFilter ? m_strFilter.c_str() : nullptr;
    m_ofn.nFilterIndex = 1;
    m_ofn.lpstrDefExt = lpszDefExt ? m_strDefExt.c_str() : nullptr;
    m_ofn.Flags = dwFlags | OFN_EXPLORER;
}

INT_PTR CFileDialog::DoModal()
{
    m_ofn.hwndOwner = m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr;
    const BOOL chosen = m_bOpenFileDialog ? GetOpenFileNameW(&m_ofn) : GetSaveFileNameW(&m_ofn);
    return chosen ? IDOK : IDCANCEL;
}

CString CFileDialog::GetFileName() const
{
    const std::wstring path = m_szFileName.data();
    return CString(path.substr(nameStart(path)));
}

CString CFileDialog::GetFileExt() const
{
    const std::wstring path = m_szFileName.data();
    return CString(path.substr(extensionStart(path)));
}

CString CFileDialog::GetFileTitle() const
{
    const std::wstring path = m_szFileName.data();
    const size_t start = nameStart(path), ext = extensionStart(path);
    return CString(path.substr(start, ext < path.size() ? ext - 1 - start : std::wstring::npos));
}
