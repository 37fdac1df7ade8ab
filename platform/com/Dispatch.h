#pragma once
// IDispatch: the automation interface under which COM hands out objects. The
// platform's objects are reached by QueryInterface, not by late binding.
#include "com/Unknown.h"
#include "com/Variant.h"

typedef int32_t DISPID;
typedef uint32_t LCID;
struct ITypeInfo;
struct EXCEPINFO;

struct DISPPARAMS {
    VARIANTARG* rgvarg;
    DISPID* rgdispidNamedArgs;
    unsigned int cArgs;
    unsigned int cNamedArgs;
};

struct IDispatch : IUnknown {
    virtual HRESULT GetTypeInfoCount(unsigned int* pctinfo) = 0;
    virtual HRESULT GetTypeInfo(unsigned int iTInfo, LCID lcid, ITypeInfo** ppTInfo) = 0;
    virtual HRESULT GetIDsOfNames(REFIID riid, LPOLESTR* rgszNames, unsigned int cNames, LCID lcid,
                                  DISPID* rgDispId) = 0;
    virtual HRESULT Invoke(DISPID dispIdMember, REFIID riid, LCID lcid, uint16_t wFlags, DISPPARAMS* pDispParams,
                           VARIANT* pVarResult, EXCEPINFO* pExcepInfo, unsigned int* puArgErr) = 0;
};
