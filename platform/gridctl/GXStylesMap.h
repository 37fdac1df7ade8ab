#pragma once
// CGXStylesMap: the named styles of a grid, among them the three that every
// cell is composed from: the standard style, the row-header style (column 0)
// and the column-header style (row 0).
#include "gridctl/GXStyle.h"

#include <map>

class CGXStylesMap {
public:
    // Registers "Standard", "Row Header" and "Column Header" with their
    // built-in attributes and sets the three id members.
    void CreateStandardStyles();
    // Applies the saved settings of the profile (GXProfile.h) to every
    // registered style of the same name.
    void ReadProfile();

    // A new name gets a new id; a known name keeps its id and gets the style.
    WORD RegisterStyle(LPCTSTR pszName, const CGXStyle& style);
    // FALSE (pStyle untouched) for an unknown id.
    BOOL LookupStyle(WORD wStyleId, CGXStyle*& pStyle);
    // 0 for an unknown name (compared without regard to case).
    WORD GetStyleId(LPCTSTR pszName) const;

    WORD m_wStyleStandard = 0;
    WORD m_wStyleRowHeader = 0;
    WORD m_wStyleColHeader = 0;

private:
    struct Entry {
        CString name;
        CGXStyle style;
    };
    std::map<WORD, Entry> m_styles;
    WORD m_nextId = 1;
};
