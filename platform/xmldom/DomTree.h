#pragma once
// The pugixml tree behind one loaded or built document, shared by the node
// objects that stand for its nodes. Elements made but not yet appended wait
// under the tree's hidden first node, which no walk and no output shows.
#include "com/Bstr.h"

#include <pugixml.hpp>

#include <memory>
#include <string>

namespace xmldom {

struct DomTree {
    DomTree();
    pugi::xml_document doc;
    pugi::xml_node orphans;
};
using TreeRef = std::shared_ptr<DomTree>;

// A node as the DOM sees it: in the tree, or made and not yet appended.
struct NodeRef {
    TreeRef tree;
    pugi::xml_node node;

    bool isDocument() const { return node.type() == pugi::node_document; }
    bool isElement() const { return node.type() == pugi::node_element; }
    bool isOrphan() const { return node.parent() == tree->orphans; }
    pugi::xml_node firstChild() const;
    pugi::xml_node nextSibling() const;
};

// Name and value texts cross the interfaces as BSTRs.
BSTR toBstr(const std::wstring& text);
BSTR toBstr(const char* utf8);
std::wstring fromBstr(BSTR bstr);

// An XML name: a letter, '_' or ':' (or any non-ASCII character) first, then
// also digits, '-' and '.'.
bool isXmlName(const std::wstring& name);

std::wstring nodeName(const pugi::xml_node& node);
// The text of the node's text and CDATA descendants, in document order.
std::wstring nodeText(const pugi::xml_node& node);
// The node's XML; for the document, each of its shown nodes.
std::string nodeXml(const NodeRef& ref, const char* indent, unsigned int flags);

} // namespace xmldom
