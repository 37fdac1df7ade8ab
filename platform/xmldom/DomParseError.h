#pragma once
// What a load reported: the code, the reason as pugixml gives it, and where.
#include "xmldom/XmlDom.h"

#include <string>

namespace xmldom {

struct ParseReport {
    HRESULT errorCode = S_OK;
    std::wstring url, reason;
    long line = 0, linepos = 0, filepos = 0;
};

// A new parse-error object holding the report.
IXMLDOMParseError* newParseError(const ParseReport& report);

} // namespace xmldom
