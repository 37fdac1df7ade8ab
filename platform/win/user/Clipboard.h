#pragma once
// The clipboard of the virtual desktop: one per process. A window opens it,
// empties it (becoming its owner), hands it global memory blocks by format and
// closes it. Data handed over belongs to the clipboard, which frees it when it
// is emptied or the format is set again; data read stays the clipboard's.
//
// Delayed rendering: an owner may promise a format (SetClipboardData with a
// null block); the first GetClipboardData of it (or ClipboardText) sends the
// owner WM_RENDERFORMAT, and the owner hands the block over then with
// SetClipboardData, without opening the clipboard. A promise the owner does
// not keep reads as no data.
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
#define WM_RENDERFORMAT 0x0305

// The clipboard takes hMem on success. Fails (null, and the caller keeps the
// block) when the clipboard is not open, when hMem is no global block with
// data, and when it was emptied while opened without a window: it then has
// no owner. A null hMem promises the format (null is returned then too).
HANDLE SetClipboardData(UINT uFormat, HANDLE hMem);
// The clipboard's block of the format, null when there is none or the
// clipboard is not open.
HANDLE GetClipboardData(UINT uFormat);
BOOL IsClipboardFormatAvailable(UINT format);
HWND GetClipboardOwner();
// Counts every emptying and every format set, a rendered promise aside: a
// program that watches the clipboard tells a change by it.
DWORD GetClipboardSequenceNumber();

namespace platform {

// The CF_UNICODETEXT text on the clipboard (up to its terminating zero), as a
// user pasting it would get it; empty when there is none. Needs no open.
CString ClipboardText();
// A movable block of the text and its terminating zero, as CF_UNICODETEXT
// holds it; null when there is no memory.
HGLOBAL TextBlock(const CString& text);
// The text as CF_UNICODETEXT, the clipboard emptied first and owned by
// hOwner, as a program copying text does; FALSE when the clipboard cannot be
// opened or does not take the text.
BOOL PutClipboardText(HWND hOwner, const CString& text);

} // namespace platform
