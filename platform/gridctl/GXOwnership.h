#pragma once
// Objects that are handed over with a "must delete" switch (parameter
// object, styles map): the holder keeps the pointer and owns it on request.
#include "win/kernel/WinTypes.h"

#include <memory>

namespace gxdetail {

template <class T> void adopt(T*& pHeld, std::unique_ptr<T>& owned, T* p, BOOL bMustDelete)
{
    if (p != owned.get())
        owned.reset(bMustDelete ? p : nullptr);
    else if (!bMustDelete)
        owned.release();
    pHeld = p;
}

} // namespace gxdetail
