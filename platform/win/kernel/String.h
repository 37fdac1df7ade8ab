#pragma once
// CString: MFC's wide string over std::wstring.
// Format uses the MSVC conventions: %s and %c take wide arguments, %S a narrow
// (UTF-8) string, %I64d a 64-bit integer. Pass a CString to Format as LPCWSTR.
#include "win/kernel/WinTypes.h"
#include <cstdarg>
#include <algorithm>
#include <compare>
#include <string>
#include <utility>

class CString {
public:
    CString() = default;
    CString(const wchar_t* s) : m_s(s ? s : L"") {}
    CString(const wchar_t* s, int n) : m_s(s ? std::wstring(s, (size_t)std::max(n, 0)) : std::wstring()) {}
    CString(wchar_t ch, int repeat = 1) : m_s((size_t)std::max(repeat, 0), ch) {}
    explicit CString(const char* utf8);
    CString(const std::wstring& s) : m_s(s) {}
    CString(std::wstring&& s) : m_s(std::move(s)) {}

    int GetLength() const { return (int)m_s.size(); }
    bool IsEmpty() const { return m_s.empty(); }
    void Empty() { m_s.clear(); }
    const wchar_t* GetString() const { return m_s.c_str(); }
    operator const wchar_t*() const { return m_s.c_str(); }
    const std::wstring& str() const { return m_s; }
    wchar_t GetAt(int i) const { return m_s.at((size_t)i); }
    void SetAt(int i, wchar_t ch) { m_s.at((size_t)i) = ch; }
    wchar_t operator[](int i) const { return GetAt(i); }

    // A writable buffer of at least nMinLength characters; ReleaseBuffer cuts at
    // the first null (or at nNewLength when given).
    wchar_t* GetBuffer(int nMinLength = 0);
    void ReleaseBuffer(int nNewLength = -1);

    // A CString argument is passed on as its characters, as MFC's layout allows.
    template <class... A> void Format(const wchar_t* fmt, const A&... args)
    {
        FormatC(fmt, passable(args)...);
    }
    template <class... A> void AppendFormat(const wchar_t* fmt, const A&... args)
    {
        CString more;
        more.Format(fmt, args...);
        m_s += more.m_s;
    }
    void FormatV(const wchar_t* fmt, va_list args);
    BOOL LoadString(UINT nID);
    BOOL LoadString(HINSTANCE hInstance, UINT nID);

    int Find(wchar_t ch, int start = 0) const;
    int Find(const wchar_t* sub, int start = 0) const;
    int ReverseFind(wchar_t ch) const;
    int FindOneOf(const wchar_t* chars) const;
    CString Left(int n) const;
    CString Right(int n) const;
    CString Mid(int first) const;
    CString Mid(int first, int count) const;
    CString SpanIncluding(const wchar_t* chars) const;
    CString SpanExcluding(const wchar_t* chars) const;
    CString Tokenize(const wchar_t* delims, int& start) const;

    int Replace(wchar_t oldCh, wchar_t newCh);
    int Replace(const wchar_t* oldStr, const wchar_t* newStr);
    int Remove(wchar_t ch);
    int Insert(int index, wchar_t ch);
    int Insert(int index, const wchar_t* s);
    int Delete(int index, int count = 1);
    CString& Trim();
    CString& Trim(wchar_t ch);
    CString& TrimLeft();
    CString& TrimLeft(wchar_t ch);
    CString& TrimRight();
    CString& TrimRight(wchar_t ch);
    CString& MakeUpper();
    CString& MakeLower();
    CString& MakeReverse();

    int Compare(const wchar_t* s) const;
    int CompareNoCase(const wchar_t* s) const;

    CString& operator=(const wchar_t* s) { m_s = s ? s : L""; return *this; }
    CString& operator=(wchar_t ch) { m_s.assign(1, ch); return *this; }
    CString& operator+=(const CString& s) { m_s += s.m_s; return *this; }
    CString& operator+=(const wchar_t* s) { if (s) m_s += s; return *this; }
    CString& operator+=(wchar_t ch) { m_s += ch; return *this; }

    friend CString operator+(const CString& a, const CString& b) { return CString(a.m_s + b.m_s); }
    friend CString operator+(const CString& a, const wchar_t* b) { CString r(a); r += b; return r; }
    friend CString operator+(const wchar_t* a, const CString& b) { CString r(a); r += b; return r; }
    friend CString operator+(const CString& a, wchar_t b) { CString r(a); r += b; return r; }
    friend CString operator+(wchar_t a, const CString& b) { CString r(a); r += b; return r; }

    friend bool operator==(const CString& a, const CString& b) { return a.m_s == b.m_s; }
    friend bool operator==(const CString& a, const wchar_t* b) { return a.Compare(b) == 0; }
    friend bool operator==(const wchar_t* a, const CString& b) { return b.Compare(a) == 0; }
    friend bool operator!=(const CString& a, const CString& b) { return !(a == b); }
    friend bool operator!=(const CString& a, const wchar_t* b) { return !(a == b); }
    friend bool operator!=(const wchar_t* a, const CString& b) { return !(b == a); }
    // Without it, tuples and pairs of CString would compare the converted pointers.
    friend std::strong_ordering operator<=>(const CString& a, const CString& b) { return a.m_s <=> b.m_s; }
    friend bool operator<(const CString& a, const CString& b) { return a.m_s < b.m_s; }
    friend bool operator>(const CString& a, const CString& b) { return b.m_s < a.m_s; }

private:
    template <class T> static const T& passable(const T& v) { return v; }
    static const wchar_t* passable(const CString& v) { return v.GetString(); }
    void FormatC(const wchar_t* fmt, ...);

    std::wstring m_s;
};

typedef CString CStringW;

// Leading number of a wide string; 0 when there is none.
double _wtof(const wchar_t* s);
int _wtoi(const wchar_t* s);
long _wtol(const wchar_t* s);
