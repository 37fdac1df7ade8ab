#pragma once
// The library's module-level state, one instance per process, used from the
// host's GUI thread only.
#include "win/kernel/WinTypes.h"

namespace NVorel {

extern HINSTANCE g_hInstance;        // the library's own module, set at process attach
extern HINSTANCE g_hLangModule;      // the loaded language module, or null
extern int g_nLangWork;              // the selected language number
extern const wchar_t* g_pszLangPrefix;

} // namespace NVorel
