#include "com/VariantT.h"

#include "com/ComError.h"
#include "com/Dispatch.h"

#include <limits>

namespace {

void check(HRESULT hr)
{
    if (FAILED(hr))
        _com_issue_error(hr);
}

} // namespace

_variant_t::_variant_t(const VARIANT& var)
{
    VariantInit(this);
    check(VariantCopy(this, &var));
}

_variant_t::_variant_t(short n)
{
    vt = VT_I2;
    iVal = n;
}

_variant_t::_variant_t(int n)
{
    vt = VT_I4;
    lVal = n;
}

_variant_t::_variant_t(long n)
{
    VariantInit(this);
    if (n < std::numeric_limits<int32_t>::min() || n > std::numeric_limits<int32_t>::max())
        _com_issue_error(DISP_E_OVERFLOW);
    vt = VT_I4;
    lVal = (int32_t)n;
}

_variant_t::_variant_t(double d)
{
    vt = VT_R8;
    dblVal = d;
}

_variant_t::_variant_t(bool b)
{
    vt = VT_BOOL;
    boolVal = b ? VARIANT_TRUE : VARIANT_FALSE;
}

_variant_t::_variant_t(const wchar_t* s) : _variant_t(_bstr_t(s)) {}

_variant_t::_variant_t(const _bstr_t& s)
{
    vt = VT_BSTR;
    bstrVal = s.copy();
}

_variant_t::_variant_t(IDispatch* p, bool fAddRef)
{
    vt = VT_DISPATCH;
    pdispVal = p;
    if (p && fAddRef)
        p->AddRef();
}

_variant_t& _variant_t::operator=(const _variant_t& var)
{
    check(VariantCopy(this, &var));
    return *this;
}

_variant_t _variant_t::converted(VARTYPE to) const
{
    _variant_t out;
    out.ChangeType(to, this);
    return out;
}

_variant_t::operator short() const { return vt == VT_I2 ? iVal : converted(VT_I2).iVal; }
_variant_t::operator int() const { return vt == VT_I4 ? lVal : converted(VT_I4).lVal; }
_variant_t::operator long() const { return (int)*this; }
_variant_t::operator double() const { return vt == VT_R8 ? dblVal : converted(VT_R8).dblVal; }
_variant_t::operator bool() const { return (vt == VT_BOOL ? boolVal : converted(VT_BOOL).boolVal) != VARIANT_FALSE; }
_variant_t::operator _bstr_t() const { return _bstr_t(*this); }

void _variant_t::ChangeType(VARTYPE to, const _variant_t* pSrc)
{
    check(VariantChangeType(this, pSrc ? pSrc : this, 0, to));
}

void _variant_t::Attach(VARIANT& var)
{
    Clear();
    *(VARIANT*)this = var;
    VariantInit(&var);
}

VARIANT _variant_t::Detach()
{
    VARIANT out = *this;
    VariantInit(this);
    return out;
}

VARIANT* _variant_t::GetAddress()
{
    Clear();
    return this;
}
