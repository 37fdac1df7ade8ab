#pragma once
// _com_error: the exception of the COM support classes, carrying a failure
// code and, where the failing object left it, its error information.
#include "com/ErrorInfo.h"

#include <string>

class _bstr_t;

class _com_error {
public:
    // Takes over perrinfo's reference unless fAddRef.
    explicit _com_error(HRESULT hr, IErrorInfo* perrinfo = nullptr, bool fAddRef = false);
    _com_error(const _com_error& that);
    _com_error& operator=(const _com_error& that);
    virtual ~_com_error();

    HRESULT Error() const { return m_hr; }
    uint16_t WCode() const;
    // With a reference added for the caller; null without error information.
    IErrorInfo* ErrorInfo() const;
    // Empty without error information.
    _bstr_t Description() const;
    _bstr_t Source() const;
    ::GUID GUID() const;
    // The system's text for the code ("Invalid pointer").
    const wchar_t* ErrorMessage() const;

private:
    HRESULT m_hr;
    IErrorInfo* m_perrinfo;
    mutable std::wstring m_message;
};

[[noreturn]] void _com_issue_error(HRESULT hr);
// Throws with the error information that punk left for interface riid, when
// it says it leaves any (ISupportErrorInfo).
[[noreturn]] void _com_issue_errorex(HRESULT hr, IUnknown* punk, REFIID riid);
