#include "win/kernel/String.h"

#include "win/kernel/ModuleState.h"
#include "win/kernel/Resources.h"
#include "win/kernel/Utf8.h"

#include <cwchar>
#include <locale.h>
#include <wctype.h>
#include <cwctype>
#include <vector>

namespace {

// Rewrites an MSVC-style wide format into the C library's: %s/%c take wide
// arguments there, %S/%C narrow ones, and %I64 is a 64-bit length.
std::wstring toLibcFormat(const wchar_t* fmt)
{
    std::wstring out;
    for (const wchar_t* p = fmt; *p; ++p) {
        out += *p;
        if (*p != L'%')
            continue;
        ++p;
        if (*p == L'%') { out += L'%'; continue; }
        while (*p && std::wcschr(L"-+ #0123456789.*", *p))
            out += *p++;
        if (p[0] == L'I' && p[1] == L'6' && p[2] == L'4') { out += L"ll"; p += 3; }
        bool hasLength = false;
        while (*p && std::wcschr(L"hlLqjzt", *p)) { out += *p++; hasLength = true; }
        if (!*p) break;
        switch (*p) {
        case L's': out += hasLength ? L"s" : L"ls"; break;
        case L'c': out += hasLength ? L"c" : L"lc"; break;
        case L'S': out += L's'; break;
        case L'C': out += L'c'; break;
        default: out += *p; break;
        }
    }
    return out;
}

// Case mapping of the whole Unicode range, independent of the process locale.
locale_t unicodeCType()
{
    static const locale_t loc = newlocale(LC_CTYPE_MASK, "C.UTF-8", (locale_t)0);
    return loc;
}

bool isSpace(wchar_t ch) { return std::iswspace((wint_t)ch) != 0; }

} // namespace

CString::CString(const char* utf8) : m_s(utf8 ? fromUtf8(utf8) : std::wstring()) {}

wchar_t* CString::GetBuffer(int nMinLength)
{
    if ((int)m_s.size() < nMinLength)
        m_s.resize((size_t)nMinLength);
    return m_s.data();
}

void CString::ReleaseBuffer(int nNewLength)
{
    if (nNewLength < 0)
        m_s.resize(std::wcslen(m_s.c_str()));
    else
        m_s.resize((size_t)nNewLength);
}

void CString::FormatC(const wchar_t* fmt, ...)
{
    va_list args;
    va_start(args, fmt);
    FormatV(fmt, args);
    va_end(args);
}

void CString::FormatV(const wchar_t* fmt, va_list args)
{
    const std::wstring libcFmt = toLibcFormat(fmt ? fmt : L"");
    std::vector<wchar_t> buf(256);
    for (;;) {
        va_list copy;
        va_copy(copy, args);
        const int n = std::vswprintf(buf.data(), buf.size(), libcFmt.c_str(), copy);
        va_end(copy);
        if (n >= 0) {
            m_s.assign(buf.data(), (size_t)n);
            return;
        }
        // vswprintf gives no size hint; -1 also means an unencodable argument,
        // so stop growing at a sane bound instead of looping forever.
        if (buf.size() > (1u << 24)) {
            m_s.clear();
            return;
        }
        buf.resize(buf.size() * 4);
    }
}

BOOL CString::LoadString(UINT nID)
{
    return LoadString(AfxFindStringResourceHandle(nID), nID);
}

BOOL CString::LoadString(HINSTANCE hInstance, UINT nID)
{
    const wchar_t* text = FindStringResource(hInstance, nID);
    if (!text)
        return FALSE;
    m_s = text;
    return TRUE;
}

int CString::Find(wchar_t ch, int start) const
{
    if (start < 0 || start >= GetLength()) return -1;
    const size_t pos = m_s.find(ch, (size_t)start);
    return pos == std::wstring::npos ? -1 : (int)pos;
}

int CString::Find(const wchar_t* sub, int start) const
{
    if (!sub || start < 0 || start > GetLength()) return -1;
    const size_t pos = m_s.find(sub, (size_t)start);
    return pos == std::wstring::npos ? -1 : (int)pos;
}

int CString::ReverseFind(wchar_t ch) const
{
    const size_t pos = m_s.rfind(ch);
    return pos == std::wstring::npos ? -1 : (int)pos;
}

int CString::FindOneOf(const wchar_t* chars) const
{
    const size_t pos = m_s.find_first_of(chars ? chars : L"");
    return pos == std::wstring::npos ? -1 : (int)pos;
}

CString CString::Left(int n) const
{
    return CString(m_s.substr(0, (size_t)std::clamp(n, 0, GetLength())));
}

CString CString::Right(int n) const
{
    n = std::clamp(n, 0, GetLength());
    return CString(m_s.substr((size_t)(GetLength() - n)));
}

CString CString::Mid(int first) const
{
    return Mid(first, GetLength());
}

CString CString::Mid(int first, int count) const
{
    first = std::clamp(first, 0, GetLength());
    count = std::clamp(count, 0, GetLength() - first);
    return CString(m_s.substr((size_t)first, (size_t)count));
}

CString CString::SpanIncluding(const wchar_t* chars) const
{
    const size_t n = m_s.find_first_not_of(chars ? chars : L"");
    return Left(n == std::wstring::npos ? GetLength() : (int)n);
}

CString CString::SpanExcluding(const wchar_t* chars) const
{
    const size_t n = m_s.find_first_of(chars ? chars : L"");
    return Left(n == std::wstring::npos ? GetLength() : (int)n);
}

CString CString::Tokenize(const wchar_t* delims, int& start) const
{
    if (start < 0 || start >= GetLength()) {
        start = -1;
        return CString();
    }
    const std::wstring d = delims ? delims : L"";
    const size_t from = m_s.find_first_not_of(d, (size_t)start);
    if (from == std::wstring::npos) {
        start = -1;
        return CString();
    }
    size_t to = m_s.find_first_of(d, from);
    if (to == std::wstring::npos) to = m_s.size();
    start = (int)std::min(to + 1, m_s.size() + 1);
    return CString(m_s.substr(from, to - from));
}

int CString::Replace(wchar_t oldCh, wchar_t newCh)
{
    int n = 0;
    for (auto& c : m_s)
        if (c == oldCh) { c = newCh; ++n; }
    return n;
}

int CString::Replace(const wchar_t* oldStr, const wchar_t* newStr)
{
    if (!oldStr || !*oldStr) return 0;
    const std::wstring from(oldStr), to(newStr ? newStr : L"");
    int n = 0;
    for (size_t pos = m_s.find(from); pos != std::wstring::npos; pos = m_s.find(from, pos + to.size())) {
        m_s.replace(pos, from.size(), to);
        ++n;
    }
    return n;
}

int CString::Remove(wchar_t ch)
{
    const size_t before = m_s.size();
    std::erase(m_s, ch);
    return (int)(before - m_s.size());
}

int CString::Insert(int index, wchar_t ch)
{
    return Insert(index, CString(ch));
}

int CString::Insert(int index, const wchar_t* s)
{
    m_s.insert((size_t)std::clamp(index, 0, GetLength()), s ? s : L"");
    return GetLength();
}

int CString::Delete(int index, int count)
{
    if (index >= 0 && index < GetLength() && count > 0)
        m_s.erase((size_t)index, (size_t)count);
    return GetLength();
}

CString& CString::TrimLeft()
{
    size_t i = 0;
    while (i < m_s.size() && isSpace(m_s[i])) ++i;
    m_s.erase(0, i);
    return *this;
}

CString& CString::TrimRight()
{
    while (!m_s.empty() && isSpace(m_s.back())) m_s.pop_back();
    return *this;
}

CString& CString::TrimLeft(wchar_t ch)
{
    m_s.erase(0, std::min(m_s.find_first_not_of(ch), m_s.size()));
    return *this;
}

CString& CString::TrimRight(wchar_t ch)
{
    while (!m_s.empty() && m_s.back() == ch) m_s.pop_back();
    return *this;
}

CString& CString::Trim() { return TrimLeft().TrimRight(); }
CString& CString::Trim(wchar_t ch) { return TrimLeft(ch).TrimRight(ch); }

CString& CString::MakeUpper()
{
    const locale_t loc = unicodeCType();
    for (auto& c : m_s) c = (wchar_t)(loc ? towupper_l((wint_t)c, loc) : std::towupper((wint_t)c));
    return *this;
}

CString& CString::MakeLower()
{
    const locale_t loc = unicodeCType();
    for (auto& c : m_s) c = (wchar_t)(loc ? towlower_l((wint_t)c, loc) : std::towlower((wint_t)c));
    return *this;
}

CString& CString::MakeReverse()
{
    std::reverse(m_s.begin(), m_s.end());
    return *this;
}

int CString::Compare(const wchar_t* s) const
{
    return std::wcscmp(m_s.c_str(), s ? s : L"");
}

int CString::CompareNoCase(const wchar_t* s) const
{
    CString a(*this), b(s);
    return a.MakeLower().Compare(b.MakeLower());
}

double _wtof(const wchar_t* s)
{
    return s ? std::wcstod(s, nullptr) : 0.0;
}

long _wtol(const wchar_t* s)
{
    return s ? std::wcstol(s, nullptr, 10) : 0;
}

int _wtoi(const wchar_t* s)
{
    return (int)_wtol(s);
}
