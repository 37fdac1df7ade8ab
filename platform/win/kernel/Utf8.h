#pragma once
// Conversion between the process's UTF-32 wide strings and UTF-8 bytes, used
// wherever text leaves the process (file names, exported files).
#include <string>
#include <string_view>

std::string toUtf8(const std::wstring& s);
// Appends the UTF-8 bytes of s, for writers that fill one buffer.
void appendUtf8(std::string& out, std::wstring_view s);
// Writes the UTF-8 bytes of s at out, which has room for 4 bytes a
// character, and returns the end of what it wrote.
char* encodeUtf8(char* out, std::wstring_view s);
std::wstring fromUtf8(const std::string& s);
