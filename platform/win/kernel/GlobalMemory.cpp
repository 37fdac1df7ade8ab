#include "win/kernel/GlobalMemory.h"

#include <cstring>
#include <map>
#include <memory>
#include <new>

namespace {

struct Block {
    std::unique_ptr<unsigned char[]> bytes;
    SIZE_T size = 0;
    UINT locks = 0;
};

// Live blocks by handle; a handle is the address of its record, so it is
// never reused while the block lives.
std::map<HGLOBAL, std::unique_ptr<Block>>& blocks()
{
    static std::map<HGLOBAL, std::unique_ptr<Block>> live;
    return live;
}

Block* find(HGLOBAL hMem)
{
    const auto it = blocks().find(hMem);
    if (it == blocks().end()) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    return it->second.get();
}

} // namespace

HGLOBAL GlobalAlloc(UINT uFlags, SIZE_T dwBytes)
{
    auto block = std::make_unique<Block>();
    if (dwBytes > 0) {
        block->bytes.reset(new (std::nothrow) unsigned char[dwBytes]);
        if (!block->bytes) {
            SetLastError(ERROR_NOT_ENOUGH_MEMORY);
            return nullptr;
        }
        if (uFlags & GMEM_ZEROINIT)
            std::memset(block->bytes.get(), 0, dwBytes);
    }
    block->size = dwBytes;
    HGLOBAL handle = block.get();
    blocks().emplace(handle, std::move(block));
    return handle;
}

LPVOID GlobalLock(HGLOBAL hMem)
{
    Block* block = find(hMem);
    if (!block || !block->bytes)
        return nullptr;
    ++block->locks;
    return block->bytes.get();
}

BOOL GlobalUnlock(HGLOBAL hMem)
{
    Block* block = find(hMem);
    if (!block)
        return FALSE;
    if (block->locks > 0)
        --block->locks;
    SetLastError(ERROR_SUCCESS);
    return block->locks > 0;
}

HGLOBAL GlobalFree(HGLOBAL hMem)
{
    if (!find(hMem))
        return hMem;
    blocks().erase(hMem);
    return nullptr;
}

SIZE_T GlobalSize(HGLOBAL hMem)
{
    const Block* block = find(hMem);
    return block ? block->size : 0;
}
