#pragma once
// Interface ids, IUnknown and ISupportErrorInfo: the object model under the
// platform's COM objects. Reference counts start at 1 for the creator.
#include "com/HResult.h"

#include <cstdint>

typedef uint32_t ULONG;

struct GUID {
    uint32_t Data1;
    uint16_t Data2;
    uint16_t Data3;
    uint8_t Data4[8];
};
typedef GUID IID;
typedef GUID CLSID;
typedef const IID& REFIID;
typedef const GUID& REFGUID;

bool IsEqualGUID(REFGUID a, REFGUID b);
inline bool IsEqualIID(REFIID a, REFIID b) { return IsEqualGUID(a, b); }
inline bool operator==(REFGUID a, REFGUID b) { return IsEqualGUID(a, b); }

extern const IID IID_NULL;
extern const IID IID_IUnknown;
extern const IID IID_IDispatch;
extern const IID IID_ISupportErrorInfo;
extern const IID IID_IErrorInfo;
extern const IID IID_ICreateErrorInfo;

struct IUnknown {
    virtual HRESULT QueryInterface(REFIID riid, void** ppvObject) = 0;
    virtual ULONG AddRef() = 0;
    virtual ULONG Release() = 0;

protected:
    ~IUnknown() = default; // released, never deleted through the interface
};

// Tells whether the object leaves error information (GetErrorInfo) when a
// call on the interface riid fails.
struct ISupportErrorInfo : IUnknown {
    virtual HRESULT InterfaceSupportsErrorInfo(REFIID riid) = 0;
};

namespace platform::com {

// The reference count of an object of the platform's own: created holding
// one reference, deleted when the last one goes.
class CRefCounted {
public:
    CRefCounted() = default;
    CRefCounted(const CRefCounted&) = delete;
    CRefCounted& operator=(const CRefCounted&) = delete;

protected:
    virtual ~CRefCounted() = default;
    ULONG addRef() { return ++m_nRefs; }
    ULONG release()
    {
        const ULONG n = --m_nRefs;
        if (n == 0)
            delete this;
        return n;
    }

private:
    ULONG m_nRefs = 1;
};

// QueryInterface's contract: *ppv is the interface with a reference added, or
// null with E_NOINTERFACE.
HRESULT answerQuery(IUnknown* pFound, void** ppv);

} // namespace platform::com
