#include "frame/Lang.h"

#include "frame/ModuleGlobals.h"

namespace NVorel {

HINSTANCE g_hInstance = nullptr;
HINSTANCE g_hLangModule = nullptr;
int g_nLangWork = 0;
const wchar_t* g_pszLangPrefix = L"vorel_";

namespace {

// "%s%3d.dll" pads the number with spaces; every space of the name becomes '0'.
CString languageFileName(int nLang)
{
    CString name;
    name.Format(L"%s%3d.dll", g_pszLangPrefix, nLang);
    name.Replace(L' ', L'0');
    return name;
}

CString fallbackFileName()
{
    CString name;
    name.Format(L"%s048.dll", g_pszLangPrefix);
    return name;
}

// The four attempts in order, each only while nothing has loaded yet.
HINSTANCE loadLanguageModule(int nLang, const wchar_t* pszDir)
{
    const CString name = languageFileName(nLang);
    HINSTANCE h = nullptr;
    if (pszDir) h = LoadLibraryW(CString(pszDir) + name);
    if (!h) h = LoadLibraryW(name);
    const CString fallback = fallbackFileName();
    if (!h) h = LoadLibraryW(fallback);
    if (!h && pszDir) h = LoadLibraryW(CString(pszDir) + fallback);
    return h;
}

} // namespace

void setLangWork(int nLang, const wchar_t* pszDir)
{
    if (nLang == g_nLangWork) return;
    const HINSTANCE hNew = loadLanguageModule(nLang, pszDir);
    if (!hNew) return;

    // A host that made the language module its resource handle keeps a valid one.
    AFX_MODULE_STATE* state = AfxGetModuleState();
    if (state->m_hCurrentResourceHandle == g_hLangModule) state->m_hCurrentResourceHandle = hNew;
    if (g_hLangModule) FreeLibrary(g_hLangModule);
    g_hLangModule = hNew;
    g_nLangWork = nLang;
}

int getLangWork() { return g_nLangWork; }

HINSTANCE getLangModule() { return g_hLangModule; }

void freeLang()
{
    if (g_hLangModule) FreeLibrary(g_hLangModule);
    g_hLangModule = nullptr;
}

} // namespace NVorel
