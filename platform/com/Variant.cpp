#include "com/Variant.h"

#include "com/Dispatch.h"

#include <cmath>
#include <cstdlib>
#include <cwchar>
#include <cwctype>
#include <limits>
#include <optional>
#include <string>

namespace {

bool holdsInterface(VARTYPE vt) { return vt == VT_UNKNOWN || vt == VT_DISPATCH; }

// A decimal number as text: blanks, a sign, digits with an optional fraction
// and exponent, blanks; nothing else.
std::optional<double> parseNumber(const wchar_t* s, unsigned int n)
{
    std::wstring text(s ? s : L"", s ? n : 0);
    const size_t first = text.find_first_not_of(L" \t");
    const size_t last = text.find_last_not_of(L" \t");
    if (first == std::wstring::npos)
        return std::nullopt;
    text = text.substr(first, last - first + 1);
    size_t i = 0;
    auto digits = [&] {
        const size_t from = i;
        while (i < text.size() && text[i] >= L'0' && text[i] <= L'9')
            ++i;
        return i - from;
    };
    if (text[i] == L'+' || text[i] == L'-')
        ++i;
    size_t mantissa = digits();
    if (i < text.size() && text[i] == L'.') {
        ++i;
        mantissa += digits();
    }
    if (mantissa == 0)
        return std::nullopt;
    if (i < text.size() && (text[i] == L'e' || text[i] == L'E')) {
        ++i;
        if (i < text.size() && (text[i] == L'+' || text[i] == L'-'))
            ++i;
        if (digits() == 0)
            return std::nullopt;
    }
    if (i != text.size())
        return std::nullopt;
    return std::wcstod(text.c_str(), nullptr);
}

std::optional<double> parseBool(const wchar_t* s, unsigned int n)
{
    std::wstring text(s ? s : L"", s ? n : 0);
    for (wchar_t& c : text)
        c = (wchar_t)std::towlower((wint_t)c);
    if (text == L"true")
        return -1.0;
    if (text == L"false")
        return 0.0;
    return parseNumber(s, n);
}

// The source as a number, for the numeric and bool targets.
HRESULT numberOf(const VARIANT& src, VARTYPE target, double& value)
{
    std::optional<double> parsed;
    switch (src.vt) {
    case VT_EMPTY: value = 0; return S_OK;
    case VT_I2: value = src.iVal; return S_OK;
    case VT_I4: value = src.lVal; return S_OK;
    case VT_R8: value = src.dblVal; return S_OK;
    case VT_BOOL: value = src.boolVal ? -1 : 0; return S_OK;
    case VT_BSTR:
        parsed = target == VT_BOOL ? parseBool(src.bstrVal, SysStringLen(src.bstrVal))
                                   : parseNumber(src.bstrVal, SysStringLen(src.bstrVal));
        if (!parsed)
            return DISP_E_TYPEMISMATCH;
        value = *parsed;
        return std::isfinite(value) ? S_OK : DISP_E_OVERFLOW;
    default: return DISP_E_TYPEMISMATCH;
    }
}

// Integers round half to even, as the system's conversions do.
template <class Int> HRESULT toInteger(double value, Int& out)
{
    const double r = std::nearbyint(value);
    if (!(r >= (double)std::numeric_limits<Int>::min() && r <= (double)std::numeric_limits<Int>::max()))
        return DISP_E_OVERFLOW;
    out = (Int)r;
    return S_OK;
}

std::wstring textOf(double value)
{
    wchar_t buffer[40];
    std::swprintf(buffer, 40, L"%.15g", value);
    return buffer;
}

HRESULT stringOf(const VARIANT& src, BSTR& out)
{
    std::wstring text;
    switch (src.vt) {
    case VT_EMPTY: break;
    case VT_I2: text = std::to_wstring(src.iVal); break;
    case VT_I4: text = std::to_wstring(src.lVal); break;
    case VT_R8: text = textOf(src.dblVal); break;
    case VT_BOOL: text = src.boolVal ? L"-1" : L"0"; break;
    case VT_BSTR: out = SysAllocStringLen(src.bstrVal, SysStringLen(src.bstrVal)); return out ? S_OK : E_OUTOFMEMORY;
    default: return DISP_E_TYPEMISMATCH;
    }
    out = SysAllocStringLen(text.c_str(), (unsigned int)text.size());
    return out ? S_OK : E_OUTOFMEMORY;
}

HRESULT convert(const VARIANT& src, VARTYPE vt, VARIANT& out)
{
    VariantInit(&out);
    if (vt == src.vt)
        return VariantCopy(&out, &src);
    if (vt == VT_EMPTY)
        return S_OK;
    if (vt == VT_BSTR) {
        out.vt = VT_BSTR;
        return stringOf(src, out.bstrVal);
    }
    double value = 0;
    if (vt != VT_I2 && vt != VT_I4 && vt != VT_R8 && vt != VT_BOOL)
        return DISP_E_TYPEMISMATCH;
    if (HRESULT hr = numberOf(src, vt, value); FAILED(hr))
        return hr;
    HRESULT hr = S_OK;
    switch (vt) {
    case VT_I2: hr = toInteger(value, out.iVal); break;
    case VT_I4: hr = toInteger(value, out.lVal); break;
    case VT_R8: out.dblVal = value; break;
    default: out.boolVal = value != 0 ? VARIANT_TRUE : VARIANT_FALSE;
    }
    if (SUCCEEDED(hr))
        out.vt = vt;
    return hr;
}

} // namespace

void VariantInit(VARIANT* pvarg)
{
    pvarg->vt = VT_EMPTY;
    pvarg->dblVal = 0;
}

HRESULT VariantClear(VARIANT* pvarg)
{
    if (!pvarg)
        return E_INVALIDARG;
    if (pvarg->vt == VT_BSTR)
        SysFreeString(pvarg->bstrVal);
    else if (holdsInterface(pvarg->vt) && pvarg->punkVal)
        pvarg->vt == VT_DISPATCH ? pvarg->pdispVal->Release() : pvarg->punkVal->Release();
    VariantInit(pvarg);
    return S_OK;
}

HRESULT VariantCopy(VARIANT* pvargDest, const VARIANT* pvargSrc)
{
    if (!pvargDest || !pvargSrc)
        return E_INVALIDARG;
    if (pvargDest == pvargSrc)
        return S_OK;
    VARIANT copy = *pvargSrc;
    if (copy.vt == VT_BSTR && copy.bstrVal) {
        copy.bstrVal = SysAllocStringLen(pvargSrc->bstrVal, SysStringLen(pvargSrc->bstrVal));
        if (!copy.bstrVal)
            return E_OUTOFMEMORY;
    } else if (holdsInterface(copy.vt) && copy.punkVal) {
        copy.vt == VT_DISPATCH ? copy.pdispVal->AddRef() : copy.punkVal->AddRef();
    }
    VariantClear(pvargDest);
    *pvargDest = copy;
    return S_OK;
}

HRESULT VariantChangeType(VARIANT* pvargDest, const VARIANT* pvarSrc, unsigned short, VARTYPE vt)
{
    if (!pvargDest || !pvarSrc)
        return E_INVALIDARG;
    VARIANT converted;
    if (HRESULT hr = convert(*pvarSrc, vt, converted); FAILED(hr))
        return hr;
    VariantClear(pvargDest); // the source may be the destination: converted first
    *pvargDest = converted;
    return S_OK;
}
