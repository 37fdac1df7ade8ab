#pragma once
// _variant_t: a VARIANT owned by value, made from and read as the C++ types;
// a value that does not convert throws _com_error with the conversion's code.
#include "com/BstrT.h"
#include "com/Variant.h"

class _variant_t : public VARIANT {
public:
    _variant_t() { VariantInit(this); }
    _variant_t(const VARIANT& var);
    _variant_t(const _variant_t& var) : _variant_t((const VARIANT&)var) {}
    _variant_t(short n);
    _variant_t(int n);
    // VT_I4: a value beyond 32 bits throws DISP_E_OVERFLOW.
    _variant_t(long n);
    _variant_t(double d);
    _variant_t(bool b);
    _variant_t(const wchar_t* s);
    _variant_t(const _bstr_t& s);
    // Adds a reference unless fAddRef is false.
    _variant_t(IDispatch* p, bool fAddRef = true);
    _variant_t& operator=(const _variant_t& var);
    ~_variant_t() { VariantClear(this); }

    operator short() const;
    operator int() const;
    operator long() const;
    operator double() const;
    operator bool() const;
    operator _bstr_t() const;

    // Converts in place, or from pSrc into this variant.
    void ChangeType(VARTYPE vt, const _variant_t* pSrc = nullptr);
    void Clear() { VariantClear(this); }
    void Attach(VARIANT& var);
    // Gives the value away; the variant is empty afterwards.
    VARIANT Detach();
    // Clears the variant and gives its place, for a call that fills it.
    VARIANT* GetAddress();

private:
    _variant_t converted(VARTYPE vt) const;
};
