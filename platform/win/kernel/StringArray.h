#pragma once
// CStringArray: MFC's growable array of CString.
#include "win/kernel/String.h"
#include <vector>

class CStringArray {
public:
    INT_PTR GetSize() const { return (INT_PTR)m_a.size(); }
    INT_PTR GetCount() const { return GetSize(); }
    INT_PTR GetUpperBound() const { return GetSize() - 1; }
    bool IsEmpty() const { return m_a.empty(); }
    void SetSize(INT_PTR n) { m_a.resize((size_t)std::max<INT_PTR>(n, 0)); }

    const CString& GetAt(INT_PTR i) const { return m_a.at((size_t)i); }
    CString& ElementAt(INT_PTR i) { return m_a.at((size_t)i); }
    void SetAt(INT_PTR i, const CString& s) { m_a.at((size_t)i) = s; }
    const CString& operator[](INT_PTR i) const { return GetAt(i); }
    CString& operator[](INT_PTR i) { return ElementAt(i); }

    INT_PTR Add(const CString& s) { m_a.push_back(s); return GetUpperBound(); }
    void SetAtGrow(INT_PTR i, const CString& s);
    void InsertAt(INT_PTR i, const CString& s, INT_PTR count = 1);
    void RemoveAt(INT_PTR i, INT_PTR count = 1);
    void RemoveAll() { m_a.clear(); }
    void Copy(const CStringArray& o) { m_a = o.m_a; }
    INT_PTR Append(const CStringArray& o);

    auto begin() const { return m_a.begin(); }
    auto end() const { return m_a.end(); }

private:
    std::vector<CString> m_a;
};
