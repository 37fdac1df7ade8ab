#pragma once
// Scope guard that points MFC's resource lookups at another module and puts the
// previous resource handle back when it ends.
#include "win/Afx.h"

namespace NVorel {

class CResourceSwitch {
public:
    enum { OWN_MODULE = 1, LANG_MODULE = 2 };

    // Kind 1: the library's own module; kind 2: the language module. A kind whose
    // module is not there, or any other kind, leaves the handle as it is.
    explicit CResourceSwitch(int nKind);
    // Sets the handle unconditionally, a null handle included.
    explicit CResourceSwitch(HINSTANCE hResource);
    ~CResourceSwitch();

    CResourceSwitch(const CResourceSwitch&) = delete;
    CResourceSwitch& operator=(const CResourceSwitch&) = delete;

private:
    HINSTANCE m_hSaved;
};

} // namespace NVorel
