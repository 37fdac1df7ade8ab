#include "frame/ResourceSwitch.h"

#include "frame/ModuleGlobals.h"

namespace NVorel {

CResourceSwitch::CResourceSwitch(int nKind) : m_hSaved(AfxGetModuleState()->m_hCurrentResourceHandle)
{
    HINSTANCE h = nullptr;
    if (nKind == OWN_MODULE) h = g_hInstance;
    else if (nKind == LANG_MODULE) h = g_hLangModule;
    if (h) AfxGetModuleState()->m_hCurrentResourceHandle = h;
}

CResourceSwitch::CResourceSwitch(HINSTANCE hResource)
    : m_hSaved(AfxGetModuleState()->m_hCurrentResourceHandle)
{
    AfxGetModuleState()->m_hCurrentResourceHandle = hResource;
}

CResourceSwitch::~CResourceSwitch()
{
    AfxGetModuleState()->m_hCurrentResourceHandle = m_hSaved;
}

} // namespace NVorel
