#include "com/ComError.h"

#include "com/BstrT.h"

#include <cstdio>
#include <utility>

_com_error::_com_error(HRESULT hr, IErrorInfo* perrinfo, bool fAddRef) : m_hr(hr), m_perrinfo(perrinfo)
{
    if (m_perrinfo && fAddRef)
        m_perrinfo->AddRef();
}

_com_error::_com_error(const _com_error& that) : _com_error(that.m_hr, that.m_perrinfo, true) {}

_com_error& _com_error::operator=(const _com_error& that)
{
    _com_error copy(that);
    std::swap(m_hr, copy.m_hr);
    std::swap(m_perrinfo, copy.m_perrinfo);
    m_message.clear();
    return *this;
}

_com_error::~_com_error()
{
    if (m_perrinfo)
        m_perrinfo->Release();
}

// FACILITY_ITF codes from 0x80040200 upwards are an interface's own numbers.
uint16_t _com_error::WCode() const
{
    const uint32_t code = (uint32_t)m_hr;
    return (code >= 0x80040200u && code <= 0x8004FFFFu) ? (uint16_t)(code - 0x80040200u) : 0;
}

IErrorInfo* _com_error::ErrorInfo() const
{
    if (m_perrinfo)
        m_perrinfo->AddRef();
    return m_perrinfo;
}

_bstr_t _com_error::Description() const
{
    BSTR text = nullptr;
    if (m_perrinfo)
        m_perrinfo->GetDescription(&text);
    return _bstr_t(text, false);
}

_bstr_t _com_error::Source() const
{
    BSTR text = nullptr;
    if (m_perrinfo)
        m_perrinfo->GetSource(&text);
    return _bstr_t(text, false);
}

::GUID _com_error::GUID() const
{
    ::GUID guid = IID_NULL;
    if (m_perrinfo)
        m_perrinfo->GetGUID(&guid);
    return guid;
}

const wchar_t* _com_error::ErrorMessage() const
{
    if (!m_message.empty())
        return m_message.c_str();
    static const std::pair<HRESULT, const wchar_t*> known[] = {
        {S_OK, L"The operation completed successfully."},
        {E_NOTIMPL, L"Not implemented"},
        {E_NOINTERFACE, L"No such interface supported"},
        {E_POINTER, L"Invalid pointer"},
        {E_FAIL, L"Unspecified error"},
        {E_UNEXPECTED, L"Catastrophic failure"},
        {E_ACCESSDENIED, L"Access is denied."},
        {E_OUTOFMEMORY, L"Not enough memory resources are available to complete this operation."},
        {E_INVALIDARG, L"The parameter is incorrect."},
        {DISP_E_MEMBERNOTFOUND, L"Member not found."},
        {DISP_E_TYPEMISMATCH, L"Type mismatch."},
        {DISP_E_UNKNOWNNAME, L"Unknown name."},
        {DISP_E_BADVARTYPE, L"Bad variable type."},
        {DISP_E_OVERFLOW, L"Out of present range."},
        {STG_E_FILENOTFOUND, L"The system cannot find the file specified."},
    };
    for (const auto& [hr, text] : known)
        if (hr == m_hr)
            return m_message = text, m_message.c_str();
    wchar_t buffer[40];
    if (WCode() != 0)
        std::swprintf(buffer, 40, L"IDispatch error #%u", (unsigned)WCode());
    else
        std::swprintf(buffer, 40, L"Unknown error 0x%08X", (unsigned)m_hr);
    return m_message = buffer, m_message.c_str();
}

void _com_issue_error(HRESULT hr)
{
    throw _com_error(hr);
}

void _com_issue_errorex(HRESULT hr, IUnknown* punk, REFIID riid)
{
    IErrorInfo* perrinfo = nullptr;
    ISupportErrorInfo* psei = nullptr;
    if (punk && SUCCEEDED(punk->QueryInterface(IID_ISupportErrorInfo, (void**)&psei))) {
        if (psei->InterfaceSupportsErrorInfo(riid) == S_OK && GetErrorInfo(0, &perrinfo) != S_OK)
            perrinfo = nullptr;
        psei->Release();
    }
    throw _com_error(hr, perrinfo);
}
