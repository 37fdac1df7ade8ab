#pragma once
// Conversion between the process's UTF-32 wide strings and UTF-8 bytes, used
// wherever text leaves the process (file names, exported files).
#include <string>

std::string toUtf8(const std::wstring& s);
std::wstring fromUtf8(const std::string& s);
