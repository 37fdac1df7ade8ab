#include "win/kernel/Utf8.h"

std::string toUtf8(const std::wstring& s)
{
    std::string out;
    out.reserve(s.size());
    appendUtf8(out, s);
    return out;
}

void appendUtf8(std::string& out, std::wstring_view s)
{
    const size_t start = out.size();
    out.resize(start + 4 * s.size());
    out.resize((size_t)(encodeUtf8(out.data() + start, s) - out.data()));
}

char* encodeUtf8(char* p, std::wstring_view s)
{
    for (wchar_t wc : s) {
        uint32_t c = (uint32_t)wc;
        if (c < 0x80) {
            *p++ = (char)c;
            continue;
        }
        if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) c = 0xFFFD;
        if (c < 0x800) {
            *p++ = (char)(0xC0 | (c >> 6));
        } else if (c < 0x10000) {
            *p++ = (char)(0xE0 | (c >> 12));
            *p++ = (char)(0x80 | ((c >> 6) & 0x3F));
        } else {
            *p++ = (char)(0xF0 | (c >> 18));
            *p++ = (char)(0x80 | ((c >> 12) & 0x3F));
            *p++ = (char)(0x80 | ((c >> 6) & 0x3F));
        }
        *p++ = (char)(0x80 | (c & 0x3F)); // every multi-byte form ends so
    }
    return p;
}

// Malformed sequences become U+FFFD, one per offending byte.
std::wstring fromUtf8(const std::string& s)
{
    std::wstring out;
    out.reserve(s.size());
    const size_t n = s.size();
    for (size_t i = 0; i < n;) {
        const unsigned char b = (unsigned char)s[i];
        int len = b < 0x80 ? 1 : (b >> 5) == 6 ? 2 : (b >> 4) == 14 ? 3 : (b >> 3) == 30 ? 4 : 0;
        uint32_t c = len == 1 ? b : len == 2 ? (b & 0x1F) : len == 3 ? (b & 0x0F) : (b & 0x07);
        bool ok = len > 0 && i + (size_t)len <= n;
        for (int k = 1; ok && k < len; ++k) {
            const unsigned char cb = (unsigned char)s[i + (size_t)k];
            ok = (cb >> 6) == 2;
            c = (c << 6) | (cb & 0x3F);
        }
        static const uint32_t minimum[] = {0, 0, 0x80, 0x800, 0x10000};
        if (ok && (c < minimum[len] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))) ok = false;
        if (!ok) {
            out += (wchar_t)0xFFFD;
            ++i;
            continue;
        }
        out += (wchar_t)c;
        i += (size_t)len;
    }
    return out;
}
