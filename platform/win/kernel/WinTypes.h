#pragma once
// The Win32 scalar types and macros that the library's code is written against.
#include <cstddef>
#include <cstdint>

typedef int BOOL;
typedef unsigned char BYTE;
typedef unsigned short WORD;
typedef uint32_t DWORD;
typedef unsigned int UINT;
typedef long LONG;
typedef short SHORT;
typedef uintptr_t UINT_PTR;
typedef intptr_t INT_PTR;
typedef uintptr_t WPARAM;
typedef intptr_t LPARAM;
typedef intptr_t LRESULT;
typedef DWORD COLORREF;
typedef void* LPVOID;
typedef wchar_t WCHAR;
typedef wchar_t TCHAR;
typedef const wchar_t* LPCWSTR;
typedef wchar_t* LPWSTR;
typedef const wchar_t* LPCTSTR;
typedef wchar_t* LPTSTR;
typedef const char* LPCSTR;
typedef long long __int64;
typedef long long LONGLONG;
typedef unsigned long long ULONGLONG;

#ifndef TRUE
#define TRUE 1
#define FALSE 0
#endif

#define _T(x) L##x
#define MAKEWORD(a, b) ((WORD)(((BYTE)(a)) | ((WORD)((BYTE)(b))) << 8))
#define MAKELONG(a, b) ((LONG)(((WORD)(a)) | ((DWORD)((WORD)(b))) << 16))
#define LOWORD(l) ((WORD)((DWORD_PTR)(l) & 0xffff))
#define HIWORD(l) ((WORD)(((DWORD_PTR)(l) >> 16) & 0xffff))
typedef uintptr_t DWORD_PTR;

// Opaque handles: distinct pointer types, as with STRICT on Win32.
#define DECLARE_HANDLE(name) struct name##__; typedef struct name##__* name
DECLARE_HANDLE(HINSTANCE);
typedef HINSTANCE HMODULE;
// Kernel object handles are untyped, as on Win32.
typedef void* HANDLE;

constexpr COLORREF RGB(int r, int g, int b)
{
    return (COLORREF)((BYTE)r | ((DWORD)(BYTE)g << 8) | ((DWORD)(BYTE)b << 16));
}
constexpr BYTE GetRValue(COLORREF c) { return (BYTE)(c & 0xff); }
constexpr BYTE GetGValue(COLORREF c) { return (BYTE)((c >> 8) & 0xff); }
constexpr BYTE GetBValue(COLORREF c) { return (BYTE)((c >> 16) & 0xff); }
// Not a colour: what a colour read outside a surface or a failed colour call gives.
#define CLR_INVALID 0xFFFFFFFF

// Integer resource names, as MAKEINTRESOURCE forms them.
#define MAKEINTRESOURCEW(i) ((LPWSTR)((uintptr_t)((WORD)(i))))
#define MAKEINTRESOURCE MAKEINTRESOURCEW
#define IS_INTRESOURCE(p) ((((uintptr_t)(p)) >> 16) == 0)
#define RT_STRING MAKEINTRESOURCEW(6)
#define RT_MENU MAKEINTRESOURCEW(4)
#define RT_DIALOG MAKEINTRESOURCEW(5)
#define RT_BITMAP MAKEINTRESOURCEW(2)

// Error codes that the module and file operations report through GetLastError.
#define ERROR_SUCCESS 0L
#define ERROR_FILE_NOT_FOUND 2L
#define ERROR_MOD_NOT_FOUND 126L
#define ERROR_BAD_EXE_FORMAT 193L
#define ERROR_RESOURCE_DATA_NOT_FOUND 1812L
#define ERROR_RESOURCE_TYPE_NOT_FOUND 1813L
#define ERROR_ACCESS_DENIED 5L
#define ERROR_INVALID_HANDLE 6L
#define ERROR_INVALID_PARAMETER 87L
#define ERROR_INVALID_WINDOW_HANDLE 1400L
#define ERROR_NOT_ENOUGH_MEMORY 8L
#define ERROR_CLIPBOARD_NOT_OPEN 1418L

DWORD GetLastError();
void SetLastError(DWORD dwErrCode);

// Notification reasons of a module's entry point.
#define DLL_PROCESS_DETACH 0
#define DLL_PROCESS_ATTACH 1
#define DLL_THREAD_ATTACH 2
#define DLL_THREAD_DETACH 3
