#pragma once
// Whether a file holds a whole shared object before it is mapped: the loader maps
// the parts its headers name, and touching a part that lies past the end of a
// file cut short (an interrupted copy) kills the process with SIGBUS, where
// Win32 refuses a damaged image with ERROR_BAD_EXE_FORMAT.
#include <string>

namespace platform {

// True when the file is a 64-bit ELF object whose program and section headers
// and every loaded segment lie inside the file.
bool isCompleteImage(const std::string& path);

} // namespace platform
