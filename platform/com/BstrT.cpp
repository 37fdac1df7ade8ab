#include "com/BstrT.h"

#include "com/ComError.h"
#include "com/VariantT.h"
#include "win/kernel/Utf8.h"

#include <utility>

namespace {

BSTR allocOrThrow(const wchar_t* s, size_t n)
{
    BSTR bstr = SysAllocStringLen(s, (unsigned int)n);
    if (!bstr)
        _com_issue_error(E_OUTOFMEMORY);
    return bstr;
}

} // namespace

_bstr_t::_bstr_t(const wchar_t* s) : m_bstr(s ? allocOrThrow(s, std::wstring(s).size()) : nullptr) {}

_bstr_t::_bstr_t(const char* s)
{
    if (s) {
        const std::wstring wide = fromUtf8(s);
        m_bstr = allocOrThrow(wide.c_str(), wide.size());
    }
}

_bstr_t::_bstr_t(BSTR bstr, bool fCopy) : m_bstr(fCopy && bstr ? allocOrThrow(bstr, SysStringLen(bstr)) : bstr) {}

_bstr_t::_bstr_t(const _variant_t& var)
{
    _variant_t text;
    text.ChangeType(VT_BSTR, &var);
    m_bstr = text.bstrVal;
    text.Detach();
}

_bstr_t::_bstr_t(const _bstr_t& that) : _bstr_t(that.m_bstr, true) {}

_bstr_t::_bstr_t(_bstr_t&& that) noexcept : m_bstr(std::exchange(that.m_bstr, nullptr)) {}

_bstr_t& _bstr_t::operator=(_bstr_t that) noexcept
{
    std::swap(m_bstr, that.m_bstr);
    return *this;
}

_bstr_t::~_bstr_t() { SysFreeString(m_bstr); }

BSTR* _bstr_t::GetAddress()
{
    SysFreeString(std::exchange(m_bstr, nullptr));
    return &m_bstr;
}

BSTR _bstr_t::copy() const { return m_bstr ? allocOrThrow(m_bstr, length()) : nullptr; }

void _bstr_t::Attach(BSTR bstr) { SysFreeString(std::exchange(m_bstr, bstr)); }

BSTR _bstr_t::Detach() { return std::exchange(m_bstr, nullptr); }

_bstr_t& _bstr_t::operator+=(const _bstr_t& that)
{
    const std::wstring joined = str() + that.str();
    Attach(allocOrThrow(joined.c_str(), joined.size()));
    return *this;
}

_bstr_t operator+(const _bstr_t& a, const _bstr_t& b)
{
    _bstr_t sum(a);
    return sum += b;
}
