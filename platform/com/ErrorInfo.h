#pragma once
// Error information: what an object tells about its last failed call beyond
// the HRESULT (a description, the source, the interface), kept per thread
// from SetErrorInfo until GetErrorInfo takes it.
#include "com/Bstr.h"
#include "com/Unknown.h"

struct IErrorInfo : IUnknown {
    virtual HRESULT GetGUID(GUID* pGUID) = 0;
    virtual HRESULT GetSource(BSTR* pBstrSource) = 0;
    virtual HRESULT GetDescription(BSTR* pBstrDescription) = 0;
};

struct ICreateErrorInfo : IUnknown {
    virtual HRESULT SetGUID(REFGUID rguid) = 0;
    virtual HRESULT SetSource(LPOLESTR szSource) = 0;
    virtual HRESULT SetDescription(LPOLESTR szDescription) = 0;
};

// A new, empty error object; query it for IErrorInfo to set it.
HRESULT CreateErrorInfo(ICreateErrorInfo** pperrinfo);
// Replaces the thread's error information (null clears it). dwReserved 0.
HRESULT SetErrorInfo(uint32_t dwReserved, IErrorInfo* perrinfo);
// Hands the thread's error information to the caller and clears it; S_FALSE
// and null when there is none.
HRESULT GetErrorInfo(uint32_t dwReserved, IErrorInfo** pperrinfo);
