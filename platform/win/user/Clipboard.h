#pragma once
// The clipboard of the virtual desktop: one per process. A window opens it,
// empties it (becoming its owner), hands it global memory blocks by format and
// closes it. Data handed over belongs to the clipboard, which frees it when it
// is emptied or the format is set again; data read stays the clipboard's.
#include "win/gdi/GdiTypes.h"
#include "win/kernel/GlobalMemory.h"
#include "win/kernel/String.h"

#define CF_TEXT 1
#define CF_UNICODETEXT 13

// FALSE while another window has the clipboard open.
BOOL OpenClipboard(HWND hWndNewOwner);
BOOL CloseClipboard();
// Frees every format; the window that opened the clipboard becomes its owner.
BOOL EmptyClipboard();
// The clipboard takes hMem on success. Fails (null, and the caller keeps the
// block) when the clipboard is not open, when hMem is no global block with
// data, and when it was emptied while opened without a window: it then has
// no owner.
HANDLE SetClipboardData(UINT uFormat, HANDLE hMem);
// The clipboard's block of the format, null when there is none or the
// clipboard is not open.
HANDLE GetClipboardData(UINT uFormat);
BOOL IsClipboardFormatAvailable(UINT format);
HWND GetClipboardOwner();

namespace platform {

// The CF_UNICODETEXT text on the clipboard (up to its terminating zero), as a
// user pasting it would get it; empty when there is none. Needs no open.
CString ClipboardText();
// The text as CF_UNICODETEXT, the clipboard emptied first and owned by
// hOwner, as a program copying text does; FALSE when the clipboard cannot be
// opened or does not take the text.
BOOL PutClipboardText(HWND hOwner, const CString& text);

} // namespace platform
