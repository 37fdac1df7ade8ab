#include "grid/RtfText.h"

#include <charconv>

namespace NVorel {

namespace {

void appendUnit(std::wstring& rtf, unsigned unit)
{
    char digits[8];
    const auto end = std::to_chars(digits, digits + sizeof digits, (int)(short)(unsigned short)unit).ptr;
    rtf += L"\\u";
    rtf.append(digits, end);
    rtf += L'?';
}

void appendUnicode(std::wstring& rtf, char32_t ch)
{
    if (ch > 0x10FFFF || (ch >= 0xD800 && ch <= 0xDFFF))
        ch = 0xFFFD; // no character: the replacement character stands for it
    if (ch <= 0xFFFF) {
        appendUnit(rtf, ch);
        return;
    }
    ch -= 0x10000;
    appendUnit(rtf, 0xD800 + (ch >> 10));
    appendUnit(rtf, 0xDC00 + (ch & 0x3FF));
}

bool isPlain(wchar_t ch)
{
    return ch >= 0x20 && ch < 0x7F && ch != L'\\' && ch != L'{' && ch != L'}';
}

} // namespace

void appendRtfText(std::wstring& rtf, std::wstring_view text)
{
    for (size_t i = 0; i < text.size(); ++i) {
        // Most texts are plain throughout: whole runs go in at once.
        size_t run = i;
        while (run < text.size() && isPlain(text[run]))
            ++run;
        rtf.append(text.substr(i, run - i));
        if (run == text.size())
            return;
        i = run;
        const wchar_t ch = text[i];
        if (ch == L'\\' || ch == L'{' || ch == L'}') {
            rtf += L'\\';
            rtf += ch;
        } else if (ch == L'\r' || ch == L'\n') {
            if (ch == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n')
                ++i;
            rtf += L"\\line ";
        } else {
            appendUnicode(rtf, (char32_t)ch);
        }
    }
}

} // namespace NVorel
