#include "gridctl/GXProfile.h"

#include <map>
#include <string>

namespace {

// Style names and keys compare without regard to case, as profile entries do.
std::map<std::wstring, CString>& profile()
{
    static std::map<std::wstring, CString> entries;
    return entries;
}

std::wstring key(LPCWSTR pszStyleName, LPCWSTR pszKey)
{
    CString entry = CString(pszStyleName) + L'\n' + pszKey;
    return entry.MakeLower().str();
}

} // namespace

namespace platform {

void WriteGridProfileString(LPCWSTR pszStyleName, LPCWSTR pszKey, LPCWSTR pszValue)
{
    profile()[key(pszStyleName, pszKey)] = CString(pszValue);
}

CString GetGridProfileString(LPCWSTR pszStyleName, LPCWSTR pszKey)
{
    const auto it = profile().find(key(pszStyleName, pszKey));
    return it == profile().end() ? CString() : it->second;
}

void ClearGridProfile()
{
    profile().clear();
}

} // namespace platform
