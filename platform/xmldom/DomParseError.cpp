#include "DomParseError.h"

#include "DomTree.h"

namespace xmldom {

namespace {

class CDomParseError : public IXMLDOMParseError, private platform::com::CRefCounted {
public:
    explicit CDomParseError(ParseReport report) : m_report(std::move(report)) {}

    HRESULT QueryInterface(REFIID riid, void** ppv) override
    {
        const bool mine = riid == IID_IUnknown || riid == IID_IDispatch || riid == IID_IXMLDOMParseError;
        return platform::com::answerQuery(mine ? this : nullptr, ppv);
    }
    ULONG AddRef() override { return addRef(); }
    ULONG Release() override { return release(); }

    HRESULT GetTypeInfoCount(unsigned int* pctinfo) override { return pctinfo ? (*pctinfo = 0, S_OK) : E_POINTER; }
    HRESULT GetTypeInfo(unsigned int, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT GetIDsOfNames(REFIID, LPOLESTR*, unsigned int, LCID, DISPID*) override { return DISP_E_UNKNOWNNAME; }
    HRESULT Invoke(DISPID, REFIID, LCID, uint16_t, DISPPARAMS*, VARIANT*, EXCEPINFO*, unsigned int*) override
    {
        return DISP_E_MEMBERNOTFOUND;
    }

    HRESULT get_errorCode(long* p) override { return give(m_report.errorCode, p); }
    HRESULT get_url(BSTR* p) override { return give(m_report.url, p); }
    HRESULT get_reason(BSTR* p) override { return give(m_report.reason, p); }
    HRESULT get_line(long* p) override { return give(m_report.line, p); }
    HRESULT get_linepos(long* p) override { return give(m_report.linepos, p); }
    HRESULT get_filepos(long* p) override { return give(m_report.filepos, p); }

private:
    static HRESULT give(long value, long* p) { return p ? (*p = value, S_OK) : E_POINTER; }
    static HRESULT give(const std::wstring& text, BSTR* p) { return p ? (*p = toBstr(text), S_OK) : E_POINTER; }

    ParseReport m_report;
};

} // namespace

IXMLDOMParseError* newParseError(const ParseReport& report) { return new CDomParseError(report); }

} // namespace xmldom
