// A grid's column layout in a host's XML document:
//   <GridStatus>
//     <ColumnsInfo Count="n">
//       <ColumnInfo Order="i" Field=".." Group=".." Grouped="0|1" Width=".."/>
// one ColumnInfo per descriptor, in descriptor order.
#include "grid/RGrid.h"

#include "xmldom/XmlDom.h"

#include <algorithm>
#include <cwctype>
#include <map>

namespace NVorel {

namespace {

struct SavedColumn {
    int order, field, group;
    bool grouped;
    int width;
};

// A ColumnsInfo as read, before it touches the grid.
struct SavedLayout {
    int count = 0;
    std::vector<SavedColumn> columns;

    bool inRange(const SavedColumn& c) const { return c.order >= 0 && c.order < count; }
};

// A failed DOM call throws with the error information the object left.
template <class Ptr> void check(HRESULT hr, const Ptr& p)
{
    if (FAILED(hr))
        _com_issue_errorex(hr, p.GetInterfacePtr(), Ptr::GetIID());
}

IXMLDOMElementPtr newElement(const IXMLDOMDocumentPtr& doc, const wchar_t* name)
{
    IXMLDOMElementPtr element;
    check(doc->createElement(_bstr_t(name), &element), doc);
    return element;
}

void append(const IXMLDOMElementPtr& parent, const IXMLDOMElementPtr& child)
{
    check(parent->appendChild(child, nullptr), parent);
}

void setNumber(const IXMLDOMElementPtr& element, const wchar_t* name, int value)
{
    check(element->setAttribute(_bstr_t(name), _variant_t(value)), element);
}

// 0 when the element has no such attribute; a text that is no 32-bit number
// throws the conversion's code.
int readNumber(const IXMLDOMElementPtr& element, const wchar_t* name)
{
    _variant_t value;
    check(element->getAttribute(_bstr_t(name), value.GetAddress()), element);
    return value.vt == VT_NULL ? 0 : (int)value;
}

bool isNamed(const IXMLDOMElementPtr& element, const wchar_t* name)
{
    _bstr_t tag;
    check(element->get_tagName(tag.GetAddress()), element);
    const std::wstring text = tag.str();
    const std::wstring wanted(name);
    return std::equal(text.begin(), text.end(), wanted.begin(), wanted.end(), [](wchar_t a, wchar_t b) {
        return std::towlower((wint_t)a) == std::towlower((wint_t)b);
    });
}

// Calls f for each child element of parent named name, in any case; other
// children (text, comments) are passed over.
template <class F> void forEachChildNamed(const IXMLDOMElementPtr& parent, const wchar_t* name, F f)
{
    IXMLDOMNodePtr child;
    check(parent->get_firstChild(&child), parent);
    while (child) {
        const IXMLDOMElementPtr element(child.GetInterfacePtr());
        if (element && isNamed(element, name))
            f(element);
        IXMLDOMNodePtr next;
        check(child->get_nextSibling(&next), child);
        child = next;
    }
}

SavedLayout readLayout(const IXMLDOMElementPtr& columnsInfo)
{
    SavedLayout layout;
    layout.count = readNumber(columnsInfo, L"Count");
    forEachChildNamed(columnsInfo, L"ColumnInfo", [&](const IXMLDOMElementPtr& column) {
        SavedColumn c;
        c.order = readNumber(column, L"Order");
        c.field = readNumber(column, L"Field");
        c.group = readNumber(column, L"Group");
        c.grouped = readNumber(column, L"Grouped") != 0;
        c.width = readNumber(column, L"Width");
        layout.columns.push_back(c);
    });
    return layout;
}

// The descriptors the layout fills, in order: a later ColumnInfo of the same
// order replaces an earlier one, orders outside 0..Count-1 are ignored and
// negative fields dropped. Built from the orders present, so a Count or an
// Order from a damaged file allocates nothing.
std::vector<CRGrid::SColDsc> descriptorsOf(const SavedLayout& layout)
{
    std::map<int, CRGrid::SColDsc> byOrder;
    for (const SavedColumn& c : layout.columns)
        if (layout.inRange(c))
            byOrder[c.order] = CRGrid::SColDsc{c.field, c.group, c.grouped};
    std::vector<CRGrid::SColDsc> cols;
    for (const auto& [order, d] : byOrder)
        if (d.Field >= 0)
            cols.push_back(d);
    return cols;
}

// The widths in document order, each under its field, as setting it on the
// column would cache it; kept within the widths the grid lays out (a damaged
// file may say 2147483647).
std::vector<std::pair<int, int>> widthsOf(const SavedLayout& layout)
{
    std::vector<std::pair<int, int>> widths;
    for (const SavedColumn& c : layout.columns)
        if (layout.inRange(c))
            widths.emplace_back(c.field, std::clamp(c.width, 0, CGXGridWnd::GX_MAX_LINE_SIZE));
    return widths;
}

} // namespace

void CRGrid::SaveStatusXML(IDispatch* pDoc, IDispatch* pParent)
{
    const IXMLDOMDocumentPtr doc(pDoc);
    const IXMLDOMElementPtr parent(pParent);
    const IXMLDOMElementPtr status = newElement(doc, L"GridStatus");
    append(parent, status);
    const IXMLDOMElementPtr columns = newElement(doc, L"ColumnsInfo");
    setNumber(columns, L"Count", (int)m_cols.size());
    append(status, columns);
    for (size_t i = 0; i < m_cols.size(); ++i) {
        const IXMLDOMElementPtr column = newElement(doc, L"ColumnInfo");
        setNumber(column, L"Order", (int)i);
        setNumber(column, L"Field", m_cols[i].Field);
        setNumber(column, L"Group", m_cols[i].Group);
        setNumber(column, L"Grouped", m_cols[i].Grouped ? 1 : 0);
        setNumber(column, L"Width", GetColWidth((ROWCOL)i));
        append(columns, column);
    }
}

void CRGrid::LoadStatusXML(IDispatch* pParent)
{
    struct LockScope {
        CRGrid& grid;
        const BOOL bWasLocked = grid.LockUpdate(TRUE);
        ~LockScope() { grid.LockUpdate(bWasLocked); }
    } lock{*this};

    const IXMLDOMElementPtr parent(pParent);
    forEachChildNamed(parent, L"GridStatus", [&](const IXMLDOMElementPtr& status) {
        forEachChildNamed(status, L"ColumnsInfo", [&](const IXMLDOMElementPtr& columnsInfo) {
            const SavedLayout layout = readLayout(columnsInfo);
            setLayout(descriptorsOf(layout), widthsOf(layout));
        });
    });
}

void CRGrid::setLayout(std::vector<SColDsc> cols, const std::vector<std::pair<int, int>>& fieldWidths)
{
    for (const auto& [field, width] : fieldWidths)
        m_colWidths[field] = width;
    m_cols = std::move(cols);
    for (size_t i = 0; i < m_cols.size(); ++i)
        SetColWidth((ROWCOL)i, (ROWCOL)i, m_colWidths[m_cols[i].Field], nullptr, 2, gxDo);
}

} // namespace NVorel
