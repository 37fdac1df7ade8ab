#pragma once
// Plain text as RTF reads it back: "\", "{" and "}" escaped, each line break
// (CRLF, CR or LF) a \line, every character outside printable ASCII a
// Unicode escape \uN? (N the signed 16-bit UTF-16 unit, two of them for a
// character beyond U+FFFF; "?" is what readers without Unicode show, one
// character as \uc1 declares). Printable ASCII stays as it is.
#include <string>
#include <string_view>

namespace NVorel {

void appendRtfText(std::wstring& rtf, std::wstring_view text);

} // namespace NVorel
