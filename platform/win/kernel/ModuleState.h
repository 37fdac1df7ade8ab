#pragma once
// The MFC module state: which module resources are loaded from, and the chain of
// further resource modules (CDynLinkLibrary) that lookups fall back to.
#include "win/kernel/Module.h"
#include <vector>

struct AFX_MODULE_STATE {
    HINSTANCE m_hCurrentInstanceHandle = nullptr;
    HINSTANCE m_hCurrentResourceHandle = nullptr;
    std::vector<HINSTANCE> m_libraryList; // the resource chain, in search order
};

// The one module state of the host; starts on the application module.
AFX_MODULE_STATE* AfxGetModuleState();
HINSTANCE AfxGetInstanceHandle();
HINSTANCE AfxGetResourceHandle();
void AfxSetResourceHandle(HINSTANCE hInstResource);

// The module that holds a resource: the current resource handle when it has it,
// else the first module of the chain that has it, else the current resource
// handle (where the lookup will then fail as missing).
HINSTANCE AfxFindResourceHandle(LPCWSTR lpszName, LPCWSTR lpszType);
HINSTANCE AfxFindStringResourceHandle(UINT nID);

// An extension module's entry in the resource chain for its lifetime.
class CDynLinkLibrary {
public:
    explicit CDynLinkLibrary(HINSTANCE hModule);
    ~CDynLinkLibrary();
    CDynLinkLibrary(const CDynLinkLibrary&) = delete;
    CDynLinkLibrary& operator=(const CDynLinkLibrary&) = delete;

    HINSTANCE m_hModule;
};
