// The library's entry point and its start-up as the module "vorel.dll".
#include "frame/ModuleGlobals.h"
#include "frame/OwnResources.h"
#include "win/Afx.h"

BOOL DllMain(HINSTANCE hinstDLL, DWORD fdwReason, LPVOID)
{
    if (fdwReason == DLL_PROCESS_ATTACH)
        NVorel::g_hInstance = hinstDLL ? hinstDLL : AfxGetModuleState()->m_hCurrentResourceHandle;
    // The language module is deliberately kept at detach: it lives until freeLang
    // or the end of the process.
    return TRUE;
}

namespace {
// The module-level objects are constant-initialised (empty vectors), so they
// exist before this runs, as the entry point requires.
const platform::LinkedModuleStartup startup(L"vorel.dll", &DllMain, &NVorel::ownResources());
} // namespace
