#include "DomError.h"

#include "com/ComPtr.h"

namespace xmldom {

HRESULT reportError(REFIID iid, HRESULT hr, const std::wstring& description)
{
    ICreateErrorInfo* create = nullptr;
    if (FAILED(CreateErrorInfo(&create)))
        return hr;
    create->SetGUID(iid);
    create->SetSource(const_cast<wchar_t*>(L"xmldom"));
    create->SetDescription(const_cast<wchar_t*>(description.c_str()));
    IErrorInfoPtr info(create);
    create->Release();
    SetErrorInfo(0, info);
    return hr;
}

} // namespace xmldom
