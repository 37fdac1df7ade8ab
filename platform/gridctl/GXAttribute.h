#pragma once
// How one optional attribute of a style or font takes part in combining two
// of them (CGXStyle::ChangeStyle, CGXFont::ChangeFont).
#include "gridctl/GXIds.h"

#include <optional>

namespace gxdetail {

template <class T>
void changeAttribute(std::optional<T>& mine, const std::optional<T>& other, GXModifyType mt)
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
template <class T> void includeAttribute(std::optional<T>& attribute, BOOL bInclude)
{
    if (!bInclude)
        attribute.reset();
    else if (!attribute)
        attribute.emplace();
}

} // namespace gxdetail
