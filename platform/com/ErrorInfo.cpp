#include "com/ErrorInfo.h"

#include <string>

namespace {

class CErrorInfo : public IErrorInfo, public ICreateErrorInfo, private platform::com::CRefCounted {
public:
    HRESULT QueryInterface(REFIID riid, void** ppv) override
    {
        IUnknown* found = nullptr;
        if (riid == IID_IUnknown || riid == IID_IErrorInfo)
            found = static_cast<IErrorInfo*>(this);
        else if (riid == IID_ICreateErrorInfo)
            found = static_cast<ICreateErrorInfo*>(this);
        return platform::com::answerQuery(found, ppv);
    }
    ULONG AddRef() override { return addRef(); }
    ULONG Release() override { return release(); }

    HRESULT GetGUID(GUID* pGUID) override { return pGUID ? (*pGUID = m_guid, S_OK) : E_POINTER; }
    HRESULT GetSource(BSTR* p) override { return give(m_source, p); }
    HRESULT GetDescription(BSTR* p) override { return give(m_description, p); }

    HRESULT SetGUID(REFGUID rguid) override { return m_guid = rguid, S_OK; }
    HRESULT SetSource(LPOLESTR sz) override { return m_source = sz ? sz : L"", S_OK; }
    HRESULT SetDescription(LPOLESTR sz) override { return m_description = sz ? sz : L"", S_OK; }

private:
    static HRESULT give(const std::wstring& s, BSTR* p)
    {
        if (!p)
            return E_POINTER;
        *p = SysAllocStringLen(s.c_str(), (unsigned int)s.size());
        return S_OK;
    }

    GUID m_guid = IID_NULL;
    std::wstring m_source, m_description;
};

// The thread's current error object; its reference belongs to this holder.
struct CurrentError {
    IErrorInfo* p = nullptr;
    ~CurrentError() { replace(nullptr); }
    void replace(IErrorInfo* next)
    {
        if (p)
            p->Release();
        p = next;
    }
};
thread_local CurrentError t_current;

} // namespace

HRESULT CreateErrorInfo(ICreateErrorInfo** pperrinfo)
{
    if (!pperrinfo)
        return E_INVALIDARG;
    *pperrinfo = new CErrorInfo;
    return S_OK;
}

HRESULT SetErrorInfo(uint32_t, IErrorInfo* perrinfo)
{
    if (perrinfo)
        perrinfo->AddRef();
    t_current.replace(perrinfo);
    return S_OK;
}

HRESULT GetErrorInfo(uint32_t, IErrorInfo** pperrinfo)
{
    if (!pperrinfo)
        return E_INVALIDARG;
    *pperrinfo = t_current.p;
    t_current.p = nullptr;
    return *pperrinfo ? S_OK : S_FALSE;
}
