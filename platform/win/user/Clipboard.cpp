#include "win/user/Clipboard.h"

#include "win/user/Window.h"

#include <cstring>
#include <map>

namespace {

struct Clipboard {
    bool open = false;
    HWND opener = nullptr;
    HWND owner = nullptr;
    std::map<UINT, HGLOBAL> formats; // a null block: promised
    bool rendering = false;
    DWORD changes = 0;

    void freeAll()
    {
        for (auto& [format, block] : formats)
            if (block)
                GlobalFree(block);
        formats.clear();
    }
    // The format's block, asking its owner for a promised one; null for none.
    HGLOBAL block(UINT format)
    {
        const auto it = formats.find(format);
        if (it == formats.end())
            return nullptr;
        if (!it->second && !rendering && IsWindow(owner)) {
            rendering = true;
            SendMessageW(owner, WM_RENDERFORMAT, format, 0);
            rendering = false;
        }
        return it->second;
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
    ++clipboard().changes;
    return TRUE;
}

HANDLE SetClipboardData(UINT uFormat, HANDLE hMem)
{
    Clipboard& board = clipboard();
    if (!board.rendering && !requireOpen())
        return nullptr;
    if (!board.owner || (hMem && !GlobalSize(hMem))) {
        SetLastError(board.owner ? ERROR_INVALID_HANDLE : ERROR_CLIPBOARD_NOT_OPEN);
        return nullptr;
    }
    HGLOBAL& slot = board.formats[uFormat];
    if (slot && slot != hMem)
        GlobalFree(slot);
    slot = hMem;
    if (!board.rendering)
        ++board.changes;
    return hMem;
}

HANDLE GetClipboardData(UINT uFormat)
{
    if (!requireOpen())
        return nullptr;
    return clipboard().block(uFormat);
}

BOOL IsClipboardFormatAvailable(UINT format)
{
    return clipboard().formats.count(format) != 0;
}

HWND GetClipboardOwner()
{
    return clipboard().owner;
}

DWORD GetClipboardSequenceNumber()
{
    return clipboard().changes;
}

namespace platform {

CString ClipboardText()
{
    const HGLOBAL block = clipboard().block(CF_UNICODETEXT);
    if (!block)
        return CString();
    const SIZE_T chars = GlobalSize(block) / sizeof(wchar_t);
    const auto* text = static_cast<const wchar_t*>(GlobalLock(block));
    std::wstring result;
    for (SIZE_T i = 0; text && i < chars && text[i]; ++i)
        result += text[i];
    GlobalUnlock(block);
    return CString(result.c_str());
}

HGLOBAL TextBlock(const CString& text)
{
    const SIZE_T bytes = (SIZE_T)(text.GetLength() + 1) * sizeof(wchar_t);
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (!block)
        return nullptr;
    std::memcpy(GlobalLock(block), text.GetString(), bytes);
    GlobalUnlock(block);
    return block;
}

BOOL PutClipboardText(HWND hOwner, const CString& text)
{
    HGLOBAL block = TextBlock(text);
    if (!block)
        return FALSE;
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
