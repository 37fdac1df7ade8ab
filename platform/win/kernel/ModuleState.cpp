#include "win/kernel/ModuleState.h"

#include "win/kernel/Resources.h"

#include <algorithm>

AFX_MODULE_STATE* AfxGetModuleState()
{
    static AFX_MODULE_STATE state = [] {
        AFX_MODULE_STATE s;
        s.m_hCurrentInstanceHandle = GetModuleHandleW(nullptr);
        s.m_hCurrentResourceHandle = s.m_hCurrentInstanceHandle;
        return s;
    }();
    return &state;
}

HINSTANCE AfxGetInstanceHandle() { return AfxGetModuleState()->m_hCurrentInstanceHandle; }
HINSTANCE AfxGetResourceHandle() { return AfxGetModuleState()->m_hCurrentResourceHandle; }
void AfxSetResourceHandle(HINSTANCE h) { AfxGetModuleState()->m_hCurrentResourceHandle = h; }

HINSTANCE AfxFindResourceHandle(LPCWSTR lpszName, LPCWSTR lpszType)
{
    const AFX_MODULE_STATE* state = AfxGetModuleState();
    if (FindResourceW(state->m_hCurrentResourceHandle, lpszName, lpszType))
        return state->m_hCurrentResourceHandle;
    for (HINSTANCE h : state->m_libraryList)
        if (FindResourceW(h, lpszName, lpszType)) return h;
    return state->m_hCurrentResourceHandle;
}

HINSTANCE AfxFindStringResourceHandle(UINT nID)
{
    return AfxFindResourceHandle(MAKEINTRESOURCEW(nID), RT_STRING);
}

CDynLinkLibrary::CDynLinkLibrary(HINSTANCE hModule) : m_hModule(hModule)
{
    AfxGetModuleState()->m_libraryList.push_back(hModule);
}

CDynLinkLibrary::~CDynLinkLibrary()
{
    auto& chain = AfxGetModuleState()->m_libraryList;
    const auto it = std::find(chain.begin(), chain.end(), m_hModule);
    if (it != chain.end()) chain.erase(it);
}
