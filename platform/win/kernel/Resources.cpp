#include "win/kernel/Resources.h"

#include <algorithm>

namespace {
UINT intName(LPCWSTR name) { return (UINT)(uintptr_t)name; }
}

const wchar_t* FindStringResource(HINSTANCE hInstance, UINT nID)
{
    const winres::ResourceTable* t = platform::ModuleResources(hInstance);
    const winres::StringResource* s = t ? winres::findString(*t, nID) : nullptr;
    return s ? s->text : nullptr;
}

const winres::MenuResource* FindMenuResource(HINSTANCE hInstance, UINT nID)
{
    const winres::ResourceTable* t = platform::ModuleResources(hInstance);
    return t ? winres::findMenu(*t, nID) : nullptr;
}

const winres::DialogResource* FindDialogResource(HINSTANCE hInstance, UINT nID)
{
    const winres::ResourceTable* t = platform::ModuleResources(hInstance);
    return t ? winres::findDialog(*t, nID) : nullptr;
}

const winres::BitmapResource* FindBitmapResource(HINSTANCE hInstance, UINT nID)
{
    const winres::ResourceTable* t = platform::ModuleResources(hInstance);
    return t ? winres::findBitmap(*t, nID) : nullptr;
}

HRSRC FindResourceW(HMODULE hModule, LPCWSTR lpName, LPCWSTR lpType)
{
    if (!IS_INTRESOURCE(lpName) || !IS_INTRESOURCE(lpType)) {
        SetLastError(ERROR_RESOURCE_TYPE_NOT_FOUND);
        return nullptr;
    }
    const UINT id = intName(lpName);
    const void* found = nullptr;
    switch (intName(lpType)) {
    case 6: found = FindStringResource(hModule, id); break;
    case 4: found = FindMenuResource(hModule, id); break;
    case 5: found = FindDialogResource(hModule, id); break;
    case 2: found = FindBitmapResource(hModule, id); break;
    default: SetLastError(ERROR_RESOURCE_TYPE_NOT_FOUND); return nullptr;
    }
    if (!found) SetLastError(ERROR_RESOURCE_DATA_NOT_FOUND);
    return (HRSRC)found;
}

int LoadStringW(HINSTANCE hInstance, UINT uID, LPWSTR lpBuffer, int nBufferMax)
{
    const wchar_t* text = FindStringResource(hInstance, uID);
    if (!lpBuffer || nBufferMax <= 0) return 0;
    lpBuffer[0] = L'\0';
    if (!text) return 0;
    const int n = std::min((int)std::wcslen(text), nBufferMax - 1);
    std::copy(text, text + n, lpBuffer);
    lpBuffer[n] = L'\0';
    return n;
}
