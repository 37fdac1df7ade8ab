#include "DomTree.h"

#include "win/kernel/Utf8.h"

#include <sstream>

namespace xmldom {

DomTree::DomTree() : orphans(doc.append_child(pugi::node_element)) {}

pugi::xml_node NodeRef::firstChild() const
{
    pugi::xml_node child = node.first_child();
    return child == tree->orphans ? child.next_sibling() : child;
}

// Elements waiting to be appended are no one's siblings.
pugi::xml_node NodeRef::nextSibling() const
{
    return isOrphan() ? pugi::xml_node() : node.next_sibling();
}

BSTR toBstr(const std::wstring& text) { return SysAllocStringLen(text.c_str(), (unsigned int)text.size()); }

BSTR toBstr(const char* utf8) { return toBstr(fromUtf8(utf8)); }

std::wstring fromBstr(BSTR bstr) { return std::wstring(bstr ? bstr : L"", SysStringLen(bstr)); }

bool isXmlName(const std::wstring& name)
{
    auto letter = [](wchar_t c) {
        return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z') || c == L'_' || c == L':' || c >= 0x80;
    };
    if (name.empty() || !letter(name[0]))
        return false;
    for (wchar_t c : name)
        if (!letter(c) && !(c >= L'0' && c <= L'9') && c != L'-' && c != L'.')
            return false;
    return true;
}

std::wstring nodeName(const pugi::xml_node& node)
{
    switch (node.type()) {
    case pugi::node_document: return L"#document";
    case pugi::node_pcdata: return L"#text";
    case pugi::node_cdata: return L"#cdata-section";
    case pugi::node_comment: return L"#comment";
    case pugi::node_declaration: return L"xml";
    default: return fromUtf8(node.name());
    }
}

// Iterative: a hostile file may nest deeper than the stack.
std::wstring nodeText(const pugi::xml_node& node)
{
    std::string text;
    for (pugi::xml_node n = node; n;) {
        if (n.type() == pugi::node_pcdata || n.type() == pugi::node_cdata)
            text += n.value();
        if (n.first_child() && n.type() != pugi::node_pcdata) {
            n = n.first_child();
            continue;
        }
        while (n && n != node && !n.next_sibling())
            n = n.parent();
        n = (n && n != node) ? n.next_sibling() : pugi::xml_node();
    }
    return fromUtf8(text);
}

std::string nodeXml(const NodeRef& ref, const char* indent, unsigned int flags)
{
    std::ostringstream out;
    if (!ref.isDocument()) {
        ref.node.print(out, indent, flags | pugi::format_no_declaration);
        return out.str();
    }
    for (pugi::xml_node n = ref.firstChild(); n; n = n.next_sibling())
        n.print(out, indent, flags | pugi::format_no_declaration);
    return out.str();
}

} // namespace xmldom
