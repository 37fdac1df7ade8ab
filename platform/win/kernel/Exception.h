#pragma once
// CException: the root of MFC's exceptions. They are thrown as pointers to
// heap objects (throw new ...); the catcher calls Delete().
#include "win/kernel/Object.h"
#include "win/kernel/WinTypes.h"

class CException : public CObject {
public:
    void Delete() { delete this; }
    // The text that tells the user what went wrong, cut to nMaxError - 1
    // characters; FALSE (and an empty text) when the exception has none.
    virtual BOOL GetErrorMessage(LPWSTR lpszError, UINT nMaxError, UINT* = nullptr) const
    {
        if (lpszError && nMaxError > 0)
            lpszError[0] = 0;
        return FALSE;
    }

protected:
    CException() = default;
};
