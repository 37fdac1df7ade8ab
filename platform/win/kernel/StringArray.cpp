#include "win/kernel/StringArray.h"

#include <stdexcept>

void CStringArray::SetAtGrow(INT_PTR i, const CString& s)
{
    if (i < 0) throw std::out_of_range("CStringArray::SetAtGrow");
    if ((size_t)i >= m_a.size()) m_a.resize((size_t)i + 1);
    m_a[(size_t)i] = s;
}

void CStringArray::InsertAt(INT_PTR i, const CString& s, INT_PTR count)
{
    if (i < 0 || count < 0) throw std::out_of_range("CStringArray::InsertAt");
    if ((size_t)i > m_a.size()) m_a.resize((size_t)i);
    m_a.insert(m_a.begin() + i, (size_t)count, s);
}

void CStringArray::RemoveAt(INT_PTR i, INT_PTR count)
{
    if (i < 0 || count < 0 || (size_t)(i + count) > m_a.size())
        throw std::out_of_range("CStringArray::RemoveAt");
    m_a.erase(m_a.begin() + i, m_a.begin() + i + count);
}

INT_PTR CStringArray::Append(const CStringArray& o)
{
    const INT_PTR first = GetSize();
    m_a.insert(m_a.end(), o.m_a.begin(), o.m_a.end());
    return first;
}
