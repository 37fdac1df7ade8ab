#pragma once
// Error information for a failed DOM call: the interface, the source and a
// description a host can show.
#include "com/ErrorInfo.h"

#include <string>

namespace xmldom {

// Leaves the error information for the thread and returns hr.
HRESULT reportError(REFIID iid, HRESULT hr, const std::wstring& description);

} // namespace xmldom
