#pragma once
// Selection of the language module that supplies every text, menu and dialog
// template the library shows.
#include "win/Afx.h"

namespace NVorel {

// Loads the module of language nLang ("vorel_NNN.dll"), falling back to the
// English vorel_048.dll. pszDir, when given, is a folder prefix joined to the
// file name as it stands, so it ends with a separator. A call with the number
// already selected does nothing; when nothing loads, all state stays as it was.
void setLangWork(int nLang, const wchar_t* pszDir);
int getLangWork();
HINSTANCE getLangModule();
// Unloads the module; the selected number stays.
void freeLang();

} // namespace NVorel
