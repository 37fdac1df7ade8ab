// Nodes other than the document: elements with their attributes, text,
// comments and the rest; and the IXMLDOMNode calls every DOM object shares.
#include "DomError.h"
#include "DomObject.h"

#include "win/kernel/Utf8.h"

const IID IID_IXMLDOMNode = {0x2933BF80, 0x7B36, 0x11D2, {0xB2, 0x0E, 0x00, 0xC0, 0x4F, 0x98, 0x3E, 0x60}};
const IID IID_IXMLDOMElement = {0x2933BF86, 0x7B36, 0x11D2, {0xB2, 0x0E, 0x00, 0xC0, 0x4F, 0x98, 0x3E, 0x60}};
const IID IID_IXMLDOMDocument = {0x2933BF81, 0x7B36, 0x11D2, {0xB2, 0x0E, 0x00, 0xC0, 0x4F, 0x98, 0x3E, 0x60}};
const IID IID_IXMLDOMParseError = {0x3EFAA426, 0x272F, 0x11D2, {0x83, 0x6F, 0x00, 0x00, 0xF8, 0x7A, 0x77, 0x82}};

namespace xmldom {

const IID IID_IDomNodeAccess = {0x6B0E3A51, 0x2C1D, 0x4F7E, {0x9A, 0x44, 0x1E, 0x5C, 0x7D, 0x20, 0x8B, 0x13}};

namespace {

class CDomNode : public CDomObject<IXMLDOMElement, &IID_IXMLDOMElement> {
public:
    explicit CDomNode(NodeRef ref) : m_ref(std::move(ref)) {}

    NodeRef ref() override { return m_ref; }

    HRESULT get_tagName(BSTR* tagName) override { return NodeCalls::nodeName(m_ref, tagName); }

    HRESULT getAttribute(BSTR name, VARIANT* value) override
    {
        if (!value)
            return E_POINTER;
        VariantInit(value);
        const pugi::xml_attribute attribute = m_ref.node.attribute(toUtf8(fromBstr(name)).c_str());
        if (!attribute) {
            value->vt = VT_NULL;
            return S_FALSE;
        }
        value->vt = VT_BSTR;
        value->bstrVal = toBstr(attribute.value());
        return S_OK;
    }

    HRESULT setAttribute(BSTR name, VARIANT value) override
    {
        const std::wstring attributeName = fromBstr(name);
        if (!isXmlName(attributeName))
            return reportError(IID_IXMLDOMElement, E_FAIL, L"\"" + attributeName + L"\" is not a valid attribute name.");
        VARIANT text;
        VariantInit(&text);
        if (HRESULT hr = VariantChangeType(&text, &value, 0, VT_BSTR); FAILED(hr))
            return reportError(IID_IXMLDOMElement, hr, L"The value of \"" + attributeName + L"\" cannot be written as text.");
        const std::string utf8Name = toUtf8(attributeName);
        pugi::xml_attribute attribute = m_ref.node.attribute(utf8Name.c_str());
        if (!attribute)
            attribute = m_ref.node.append_attribute(utf8Name.c_str());
        attribute.set_value(toUtf8(fromBstr(text.bstrVal)).c_str());
        VariantClear(&text);
        return S_OK;
    }

protected:
    IUnknown* findInterface(REFIID riid) override
    {
        return riid == IID_IXMLDOMElement && m_ref.isElement() ? static_cast<IXMLDOMElement*>(this) : nullptr;
    }

private:
    NodeRef m_ref;
};

bool contains(const pugi::xml_node& ancestor, pugi::xml_node node)
{
    for (; node; node = node.parent())
        if (node == ancestor)
            return true;
    return false;
}

// Why newChild may not go under parent, or empty.
std::wstring refusal(const NodeRef& parent, const NodeRef& child)
{
    if (child.tree != parent.tree)
        return L"The node belongs to another document.";
    if (!parent.isDocument() && !parent.isElement())
        return L"A node of type " + nodeName(parent.node) + L" cannot have children.";
    if (child.isDocument())
        return L"A document cannot be a child.";
    if (contains(child.node, parent.node))
        return L"Inserting a node or its ancestor under itself is not allowed.";
    if (parent.isDocument() && (child.node.type() == pugi::node_pcdata || child.node.type() == pugi::node_cdata))
        return L"Text cannot be a top-level node of a document.";
    if (parent.isDocument() && child.isElement()) {
        for (pugi::xml_node n = parent.firstChild(); n; n = n.next_sibling())
            if (n.type() == pugi::node_element && n != child.node)
                return L"Only one top level element is allowed in an XML document.";
    }
    return {};
}

} // namespace

IXMLDOMNode* wrapNode(const TreeRef& tree, pugi::xml_node node)
{
    return node ? new CDomNode(NodeRef{tree, node}) : nullptr;
}

HRESULT NodeCalls::nodeName(const NodeRef& ref, BSTR* name)
{
    if (!name)
        return E_POINTER;
    *name = toBstr(xmldom::nodeName(ref.node));
    return S_OK;
}

HRESULT NodeCalls::nodeType(const NodeRef& ref, DOMNodeType* type)
{
    if (!type)
        return E_POINTER;
    switch (ref.node.type()) {
    case pugi::node_document: *type = NODE_DOCUMENT; break;
    case pugi::node_element: *type = NODE_ELEMENT; break;
    case pugi::node_pcdata: *type = NODE_TEXT; break;
    case pugi::node_cdata: *type = NODE_CDATA_SECTION; break;
    case pugi::node_comment: *type = NODE_COMMENT; break;
    case pugi::node_pi:
    case pugi::node_declaration: *type = NODE_PROCESSING_INSTRUCTION; break;
    default: *type = NODE_INVALID;
    }
    return S_OK;
}

HRESULT NodeCalls::text(const NodeRef& ref, BSTR* text)
{
    if (!text)
        return E_POINTER;
    *text = toBstr(nodeText(ref.node));
    return S_OK;
}

HRESULT NodeCalls::answerNode(const TreeRef& tree, pugi::xml_node node, IXMLDOMNode** out)
{
    if (!out)
        return E_POINTER;
    *out = wrapNode(tree, node);
    return *out ? S_OK : S_FALSE;
}

HRESULT NodeCalls::appendChild(const NodeRef& ref, REFIID iid, IXMLDOMNode* newChild, IXMLDOMNode** out)
{
    if (out)
        *out = nullptr;
    IDomNodeAccess* access = nullptr;
    if (!newChild || FAILED(newChild->QueryInterface(IID_IDomNodeAccess, (void**)&access)))
        return reportError(iid, E_INVALIDARG, L"The new child is not a node of this document object model.");
    const NodeRef child = access->ref();
    access->Release();
    if (const std::wstring why = refusal(ref, child); !why.empty())
        return reportError(iid, child.tree != ref.tree ? E_INVALIDARG : E_FAIL, why);
    pugi::xml_node parent = ref.node;
    const pugi::xml_node moved = parent.append_move(child.node);
    if (!moved)
        return reportError(iid, E_FAIL, L"A node of type " + xmldom::nodeName(child.node) +
                                            L" cannot be inserted here.");
    if (out) {
        *out = newChild;
        newChild->AddRef();
    }
    return S_OK;
}

HRESULT NodeCalls::xml(const NodeRef& ref, BSTR* xml)
{
    if (!xml)
        return E_POINTER;
    *xml = toBstr(nodeXml(ref, "", pugi::format_raw).c_str());
    return S_OK;
}

} // namespace xmldom
