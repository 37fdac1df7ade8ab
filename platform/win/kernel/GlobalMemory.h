#pragma once
// Global memory blocks, as the clipboard takes and gives its data. A handle
// stays valid until GlobalFree (or until the clipboard that owns it frees it);
// any other value is refused, never dereferenced. Every block, GMEM_FIXED
// ones too, is reached through GlobalLock: a handle is not an address.
#include "win/kernel/WinTypes.h"

typedef HANDLE HGLOBAL;
typedef size_t SIZE_T;

#define GMEM_FIXED 0x0000
#define GMEM_MOVEABLE 0x0002
#define GMEM_ZEROINIT 0x0040
#define GHND (GMEM_MOVEABLE | GMEM_ZEROINIT)
#define GPTR (GMEM_FIXED | GMEM_ZEROINIT)

// Null (ERROR_NOT_ENOUGH_MEMORY) when the block cannot be had. The contents
// are zero with GMEM_ZEROINIT and undefined otherwise; a block of 0 bytes has
// no memory to lock.
HGLOBAL GlobalAlloc(UINT uFlags, SIZE_T dwBytes);
// The block's memory, counting the lock; null for an invalid handle.
LPVOID GlobalLock(HGLOBAL hMem);
// FALSE once the last lock is gone (then GetLastError is ERROR_SUCCESS).
BOOL GlobalUnlock(HGLOBAL hMem);
// Null on success; the handle again when it was not a valid block.
HGLOBAL GlobalFree(HGLOBAL hMem);
// The block's size in bytes; 0 for an invalid handle.
SIZE_T GlobalSize(HGLOBAL hMem);
