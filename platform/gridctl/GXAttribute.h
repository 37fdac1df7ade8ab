#pragma once
// How one optional attribute of a style or font takes part in combining two
// of them (CGXStyle::ChangeStyle, CGXFont::ChangeFont), and the style's value
// text, which keeps its buffer.
#include "gridctl/GXIds.h"
#include "win/kernel/String.h"

#include <optional>

namespace gxdetail {

// Attribute: a std::optional, or any type with its bool test, reset and emplace.
template <class Attribute> void changeAttribute(Attribute& mine, const Attribute& other, GXModifyType mt)
{
    switch (mt) {
    case gxOverride:
        if (other)
            mine = other;
        break;
    case gxApplyNew:
        if (!mine)
            mine = other;
        break;
    case gxCopy:
        mine = other;
        break;
    case gxExclude:
        if (other)
            mine.reset();
        break;
    case gxRemove:
        mine.reset();
        break;
    }
}

} // namespace gxdetail

namespace gxdetail {

// Sets or clears the include state; a newly included attribute holds its
// default value.
template <class Attribute> void includeAttribute(Attribute& attribute, BOOL bInclude)
{
    if (!bInclude)
        attribute.reset();
    else if (!attribute)
        attribute.emplace();
}

} // namespace gxdetail

namespace gxdetail {

// An optional text that keeps its buffer while it is unset, so that a style
// read again and again (a copy of thousands of cells) allocates once. Its
// text is empty whenever it is unset.
class KeptText {
public:
    explicit operator bool() const { return m_bSet; }
    const CString& operator*() const { return m_text; }
    void assign(LPCTSTR psz)
    {
        m_text = psz;
        m_bSet = true;
    }
    void reset()
    {
        m_text.Empty();
        m_bSet = false;
    }
    void emplace()
    {
        m_text.Empty();
        m_bSet = true;
    }

    friend bool operator==(const KeptText&, const KeptText&) = default;

private:
    CString m_text;
    bool m_bSet = false;
};

} // namespace gxdetail
