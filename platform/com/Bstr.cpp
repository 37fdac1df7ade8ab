#include "com/Bstr.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <limits>

namespace {

// The byte count before the characters, as on Windows; a whole wide
// character wide so that the characters stay aligned.
constexpr size_t kPrefix = sizeof(wchar_t) >= sizeof(uint32_t) ? sizeof(wchar_t) : sizeof(uint32_t);

uint32_t* prefixOf(BSTR bstr) { return (uint32_t*)((char*)bstr - kPrefix); }

} // namespace

BSTR SysAllocStringLen(const OLECHAR* pch, unsigned int cch)
{
    if (cch > (std::numeric_limits<uint32_t>::max() - kPrefix) / sizeof(OLECHAR) - 1)
        return nullptr;
    char* block = (char*)std::malloc(kPrefix + (cch + 1) * sizeof(OLECHAR));
    if (!block)
        return nullptr;
    *(uint32_t*)block = (uint32_t)(cch * sizeof(OLECHAR));
    BSTR bstr = (BSTR)(block + kPrefix);
    if (pch)
        std::memcpy(bstr, pch, cch * sizeof(OLECHAR));
    else
        std::memset(bstr, 0, cch * sizeof(OLECHAR));
    bstr[cch] = 0;
    return bstr;
}

BSTR SysAllocString(const OLECHAR* psz)
{
    return psz ? SysAllocStringLen(psz, (unsigned int)std::wcslen(psz)) : nullptr;
}

void SysFreeString(BSTR bstr)
{
    if (bstr)
        std::free(prefixOf(bstr));
}

unsigned int SysStringByteLen(BSTR bstr) { return bstr ? *prefixOf(bstr) : 0; }

unsigned int SysStringLen(BSTR bstr) { return SysStringByteLen(bstr) / sizeof(OLECHAR); }
