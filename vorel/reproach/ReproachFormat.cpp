#include "reproach/ReproachFormat.h"

#include <algorithm>
#include <cwchar>

namespace NVorel::reproach {

namespace {

// Pads beyond this are a template fault, not a layout wish.
constexpr size_t kMaxWidth = 1024;

struct Conversion {
    bool leftAlign = false;
    size_t width = 0;
    size_t precision = (size_t)-1;
    size_t length = 0; // characters from '%' to 's' inclusive; 0: no "%s" here
};

size_t readNumber(const wchar_t* p, size_t& i)
{
    size_t n = 0;
    while (p[i] >= L'0' && p[i] <= L'9') {
        n = std::min(n * 10 + (size_t)(p[i] - L'0'), kMaxWidth);
        ++i;
    }
    return n;
}

// The "%s" conversion starting at p[0] == '%', if it is one.
Conversion readConversion(const wchar_t* p)
{
    Conversion conv;
    size_t i = 1;
    while (p[i] && std::wcschr(L"-+ #0", p[i]))
        conv.leftAlign |= p[i++] == L'-';
    conv.width = readNumber(p, i);
    if (p[i] == L'.') {
        ++i;
        conv.precision = readNumber(p, i);
    }
    if (p[i] == L's') conv.length = i + 1;
    return conv;
}

std::wstring applyConversion(const Conversion& conv, const wchar_t* arg)
{
    std::wstring text(arg ? arg : L"");
    if (text.size() > conv.precision) text.resize(conv.precision);
    if (text.size() < conv.width) {
        const std::wstring pad(conv.width - text.size(), L' ');
        text = conv.leftAlign ? text + pad : pad + text;
    }
    return text;
}

} // namespace

CString substitute(const CString& strTemplate, const std::vector<const wchar_t*>& args)
{
    const wchar_t* p = strTemplate.GetString();
    std::wstring out;
    size_t next = 0;
    while (*p) {
        if (*p != L'%') {
            out += *p++;
            continue;
        }
        if (p[1] == L'%') {
            out += L'%';
            p += 2;
            continue;
        }
        const Conversion conv = readConversion(p);
        if (!conv.length) {
            out += *p++;
            continue;
        }
        out += applyConversion(conv, next < args.size() ? args[next] : nullptr);
        ++next;
        p += conv.length;
    }
    return CString(out);
}

} // namespace NVorel::reproach
