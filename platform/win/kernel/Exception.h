#pragma once
// CException: the root of MFC's exceptions. They are thrown as pointers to
// heap objects (throw new ...); the catcher calls Delete().
#include "win/kernel/Object.h"

class CException : public CObject {
public:
    void Delete() { delete this; }

protected:
    CException() = default;
};
