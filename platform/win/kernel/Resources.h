#pragma once
// Resource lookup in a module's table, with the Win32 functions over it. Every
// lookup through an unknown or freed module handle finds nothing.
#include "win/kernel/Module.h"

DECLARE_HANDLE(HRSRC);

// Integer names only (MAKEINTRESOURCE); RT_STRING takes the string id itself.
HRSRC FindResourceW(HMODULE hModule, LPCWSTR lpName, LPCWSTR lpType);

// Copies at most nBufferMax - 1 characters and a terminator; returns the number
// copied, 0 when the string is missing. nBufferMax 0 is not supported.
int LoadStringW(HINSTANCE hInstance, UINT uID, LPWSTR lpBuffer, int nBufferMax);

const wchar_t* FindStringResource(HINSTANCE hInstance, UINT nID);
const winres::MenuResource* FindMenuResource(HINSTANCE hInstance, UINT nID);
const winres::DialogResource* FindDialogResource(HINSTANCE hInstance, UINT nID);
const winres::BitmapResource* FindBitmapResource(HINSTANCE hInstance, UINT nID);
