#pragma once
// The file open and save dialogs: GetOpenFileNameW, GetSaveFileNameW and
// MFC's CFileDialog. The user answers with a path
// (platform::DialogPrompts::answerFile, prompted with the filter; the
// desktop's scripted user: openFile / saveFileAs).
//
// A name without an extension gets the default extension (given with or
// without its dot). With OFN_OVERWRITEPROMPT an existing file is only taken
// when the user confirms "<name> already exists. Do you want to replace it?";
// with OFN_FILEMUSTEXIST a missing file is not taken. A name that is not taken
// makes the dialog ask the user again, as the real dialog stays open; no
// further answer cancels.
#include "win/afx/Dialog.h"

#define OFN_READONLY 0x00000001
#define OFN_OVERWRITEPROMPT 0x00000002
#define OFN_HIDEREADONLY 0x00000004
#define OFN_NOCHANGEDIR 0x00000008
#define OFN_PATHMUSTEXIST 0x00000800
#define OFN_FILEMUSTEXIST 0x00001000
#define OFN_EXPLORER 0x00080000
#define FNERR_BUFFERTOOSMALL 0x3003

struct OPENFILENAMEW {
    DWORD lStructSize;
    HWND hwndOwner;
    HINSTANCE hInstance;
    LPCWSTR lpstrFilter; // pairs of display text and pattern, each 0-terminated, ending in an empty string
    LPWSTR lpstrCustomFilter;
    DWORD nMaxCustFilter;
    DWORD nFilterIndex;
    LPWSTR lpstrFile;
    DWORD nMaxFile;
    LPWSTR lpstrFileTitle;
    DWORD nMaxFileTitle;
    LPCWSTR lpstrInitialDir;
    LPCWSTR lpstrTitle;
    DWORD Flags;
    WORD nFileOffset;
    WORD nFileExtension;
    LPCWSTR lpstrDefExt;
};
typedef OPENFILENAMEW* LPOPENFILENAMEW;

// TRUE with the chosen path in lpstrFile; FALSE when cancelled (or when the
// buffer is too small: CommDlgExtendedError then says FNERR_BUFFERTOOSMALL).
BOOL GetOpenFileNameW(LPOPENFILENAMEW lpofn);
BOOL GetSaveFileNameW(LPOPENFILENAMEW lpofn);
DWORD CommDlgExtendedError();

class CFileDialog : public CDialog {
public:
    // The filter in MFC's form: "Text (*.txt)|*.txt|All files (*.*)|*.*||".
    explicit CFileDialog(BOOL bOpenFileDialog, LPCWSTR lpszDefExt = nullptr, LPCWSTR lpszFileName = nullptr,
                         DWORD dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, LPCWSTR lpszFilter = nullptr,
                         CWnd* pParentWnd = nullptr);

    // IDOK or IDCANCEL.
    INT_PTR DoModal() override;
    CString GetPathName() const { return m_szFileName.data(); }
    // The name without its folder; its extension; the name without extension.
    CString GetFileName() const;
    CString GetFileExt() const;
    CString GetFileTitle() const;

    OPENFILENAMEW m_ofn{};
    BOOL m_bOpenFileDialog;

private:
    std::wstring m_strFilter; // '\0'-separated
    std::wstring m_strDefExt;
    std::vector<wchar_t> m_szFileName;
};
