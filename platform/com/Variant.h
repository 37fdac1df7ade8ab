#pragma once
// VARIANT: a value of one of several types, tagged by vt, as COM passes
// attribute values; with its initialisation, clearing, copying and
// conversion calls.
#include "com/Bstr.h"

#include <cstdint>

struct IUnknown;
struct IDispatch;

typedef uint16_t VARTYPE;
typedef short VARIANT_BOOL;
#define VARIANT_TRUE ((VARIANT_BOOL)-1)
#define VARIANT_FALSE ((VARIANT_BOOL)0)

enum VARENUM : VARTYPE {
    VT_EMPTY = 0,
    VT_NULL = 1,
    VT_I2 = 2,
    VT_I4 = 3,
    VT_R8 = 5,
    VT_BSTR = 8,
    VT_DISPATCH = 9,
    VT_BOOL = 11,
    VT_UNKNOWN = 13,
};

struct VARIANT {
    VARTYPE vt;
    union {
        int16_t iVal;
        int32_t lVal;
        double dblVal;
        VARIANT_BOOL boolVal;
        BSTR bstrVal;
        IUnknown* punkVal;
        IDispatch* pdispVal;
    };
};
typedef VARIANT VARIANTARG;

void VariantInit(VARIANT* pvarg);
// Frees what the variant owns (its string, its reference) and empties it.
HRESULT VariantClear(VARIANT* pvarg);
HRESULT VariantCopy(VARIANT* pvargDest, const VARIANT* pvargSrc);
// Converts between empty, short, long, double, bool and string values: a
// string that is not a number gives DISP_E_TYPEMISMATCH, a number out of the
// target's range DISP_E_OVERFLOW; other types do not convert. wFlags unused.
HRESULT VariantChangeType(VARIANT* pvargDest, const VARIANT* pvarSrc, unsigned short wFlags, VARTYPE vt);
