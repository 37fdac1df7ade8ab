#pragma once
// Argument substitution of message templates, private to reproach/.
//
// "%%" gives "%". "%s", with optional flags, width and precision ("%-12s",
// "%.3s"), takes the next argument: precision cuts it, width pads it with spaces
// (on the right with '-'); a missing or null argument is empty text. Any other
// '%' sequence is kept as it stands and takes no argument, since every argument
// is text. Arguments beyond the template's "%s" are ignored.
#include "win/kernel/String.h"

#include <vector>

namespace NVorel::reproach {

CString substitute(const CString& strTemplate, const std::vector<const wchar_t*>& args);

} // namespace NVorel::reproach
