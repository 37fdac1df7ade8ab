#pragma once
// BSTR: a counted, null-terminated wide string allocated by the system, as
// COM passes names and texts. The count sits before the characters, so a BSTR
// can hold nulls; a null BSTR is the empty string.
#include "com/HResult.h"

typedef wchar_t OLECHAR;
typedef OLECHAR* BSTR;
typedef OLECHAR* LPOLESTR;
typedef const OLECHAR* LPCOLESTR;

BSTR SysAllocString(const OLECHAR* psz);
BSTR SysAllocStringLen(const OLECHAR* pch, unsigned int cch);
void SysFreeString(BSTR bstr);
// Characters, not counting the terminating null.
unsigned int SysStringLen(BSTR bstr);
unsigned int SysStringByteLen(BSTR bstr);
