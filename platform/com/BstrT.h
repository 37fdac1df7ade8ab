#pragma once
// _bstr_t: a BSTR owned by value. It converts to the wide string it holds and
// passes as a BSTR argument; GetAddress gives an out parameter.
#include "com/Bstr.h"

#include <string>

class _variant_t;

class _bstr_t {
public:
    _bstr_t() = default;
    _bstr_t(const wchar_t* s);
    // UTF-8 text.
    _bstr_t(const char* s);
    // Takes over bstr unless fCopy.
    _bstr_t(BSTR bstr, bool fCopy);
    // The variant as text; throws _com_error when it has none.
    _bstr_t(const _variant_t& var);
    _bstr_t(const _bstr_t& that);
    _bstr_t(_bstr_t&& that) noexcept;
    _bstr_t& operator=(_bstr_t that) noexcept;
    ~_bstr_t();

    operator const wchar_t*() const { return m_bstr; }
    operator wchar_t*() const { return m_bstr; }
    BSTR GetBSTR() const { return m_bstr; }
    // Frees the string and gives its place, for a call that fills it.
    BSTR* GetAddress();
    BSTR copy() const;
    void Attach(BSTR bstr);
    BSTR Detach();
    unsigned int length() const { return SysStringLen(m_bstr); }
    std::wstring str() const { return std::wstring(m_bstr ? m_bstr : L"", length()); }

    _bstr_t& operator+=(const _bstr_t& that);
    bool operator!() const { return length() == 0; }
    // A null string equals the empty one.
    bool operator==(const _bstr_t& that) const { return str() == that.str(); }

private:
    BSTR m_bstr = nullptr;
};

_bstr_t operator+(const _bstr_t& a, const _bstr_t& b);
