#include "win/user/Clipboard.h"

#include <cstring>
#include <map>

namespace {

struct Clipboard {
    bool open = false;
    HWND opener = nullptr;
    HWND owner = nullptr;
    std::map<UINT, HGLOBAL> formats;

    void freeAll()
    {
        for (auto& [format, block] : formats)
            GlobalFree(block);
        formats.clear();
    }
    // No destructor: the blocks go with the global memory at exit.
};

Clipboard& clipboard()
{
    static Clipboard board;
    return board;
}

bool requireOpen()
{
    if (clipboard().open)
        return true;
    SetLastError(ERROR_CLIPBOARD_NOT_OPEN);
    return false;
}

} // namespace

BOOL OpenClipboard(HWND hWndNewOwner)
{
    Clipboard& board = clipboard();
    if (board.open && board.opener != hWndNewOwner) {
        SetLastError(ERROR_ACCESS_DENIED);
        return FALSE;
    }
    board.open = true;
    board.opener = hWndNewOwner;
    return TRUE;
}

BOOL CloseClipboard()
{
    if (!requireOpen())
        return FALSE;
    clipboard().open = false;
    clipboard().opener = nullptr;
    return TRUE;
}

BOOL EmptyClipboard()
{
    if (!requireOpen())
        return FALSE;
    clipboard().freeAll();
    clipboard().owner = clipboard().opener;
    return TRUE;
}

HANDLE SetClipboardData(UINT uFormat, HANDLE hMem)
{
    if (!requireOpen())
        return nullptr;
    Clipboard& board = clipboard();
    if (!board.owner || !GlobalSize(hMem)) {
        SetLastError(board.owner ? ERROR_INVALID_HANDLE : ERROR_CLIPBOARD_NOT_OPEN);
        return nullptr;
    }
    HGLOBAL& slot = board.formats[uFormat];
    if (slot && slot != hMem)
        GlobalFree(slot);
    slot = hMem;
    return hMem;
}

HANDLE GetClipboardData(UINT uFormat)
{
    if (!requireOpen())
        return nullptr;
    const auto it = clipboard().formats.find(uFormat);
    return it == clipboard().formats.end() ? nullptr : it->second;
}

BOOL IsClipboardFormatAvailable(UINT format)
{
    return clipboard().formats.count(format) != 0;
}

HWND GetClipboardOwner()
{
    return clipboard().owner;
}

namespace platform {

CString ClipboardText()
{
    const auto it = clipboard().formats.find(CF_UNICODETEXT);
    if (it == clipboard().formats.end())
        return CString();
    const SIZE_T chars = GlobalSize(it->second) / sizeof(wchar_t);
    const auto* text = static_cast<const wchar_t*>(GlobalLock(it->second));
    std::wstring result;
    for (SIZE_T i = 0; text && i < chars && text[i]; ++i)
        result += text[i];
    GlobalUnlock(it->second);
    return CString(result.c_str());
}

BOOL PutClipboardText(HWND hOwner, const CString& text)
{
    const SIZE_T bytes = (SIZE_T)(text.GetLength() + 1) * sizeof(wchar_t);
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (!block)
        return FALSE;
    std::memcpy(GlobalLock(block), text.GetString(), bytes);
    GlobalUnlock(block);
    if (!OpenClipboard(hOwner)) {
        GlobalFree(block);
        return FALSE;
    }
    EmptyClipboard();
    const bool bTaken = SetClipboardData(CF_UNICODETEXT, block) != nullptr;
    CloseClipboard();
    if (!bTaken)
        GlobalFree(block);
    return bTaken;
}

} // namespace platform
