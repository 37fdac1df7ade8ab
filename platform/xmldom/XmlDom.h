#pragma once
// The XML document object model a host hands to the library: documents,
// elements and other nodes as COM objects (IXMLDOMDocument, IXMLDOMElement,
// IXMLDOMNode), with the calls and results of their MSXML namesakes. A
// document is made by CreateDOMDocument, built or loaded from a file or a
// string, and saved to a file; pugixml parses and writes it.
//
// Nodes are objects of their own that keep their document's tree alive;
// several objects may stand for one node. An element made by createElement
// belongs to its document but stays outside the tree until appended.
// Failed calls leave error information (GetErrorInfo); a failed load leaves
// an empty document and tells what and where through get_parseError.
#include "com/ComDef.h"

enum DOMNodeType {
    NODE_INVALID = 0,
    NODE_ELEMENT = 1,
    NODE_ATTRIBUTE = 2,
    NODE_TEXT = 3,
    NODE_CDATA_SECTION = 4,
    NODE_PROCESSING_INSTRUCTION = 7,
    NODE_COMMENT = 8,
    NODE_DOCUMENT = 9,
};

extern const IID IID_IXMLDOMNode;
extern const IID IID_IXMLDOMElement;
extern const IID IID_IXMLDOMDocument;
extern const IID IID_IXMLDOMParseError;

struct IXMLDOMNode : IDispatch {
    // "#text", "#comment", "#document" ... for nodes without a name.
    virtual HRESULT get_nodeName(BSTR* name) = 0;
    virtual HRESULT get_nodeType(DOMNodeType* type) = 0;
    // The text of the node and all its descendants.
    virtual HRESULT get_text(BSTR* text) = 0;
    // S_FALSE and null when there is none.
    virtual HRESULT get_firstChild(IXMLDOMNode** child) = 0;
    virtual HRESULT get_nextSibling(IXMLDOMNode** sibling) = 0;
    // Moves newChild (of the same document) to the end of this node's
    // children; outNewChild may be null.
    virtual HRESULT appendChild(IXMLDOMNode* newChild, IXMLDOMNode** outNewChild) = 0;
    // The node as XML text, unindented.
    virtual HRESULT get_xml(BSTR* xml) = 0;
};

struct IXMLDOMElement : IXMLDOMNode {
    virtual HRESULT get_tagName(BSTR* tagName) = 0;
    // VT_BSTR; VT_NULL and S_FALSE when the element has no such attribute.
    virtual HRESULT getAttribute(BSTR name, VARIANT* value) = 0;
    // The value is stored as text (VariantChangeType to VT_BSTR).
    virtual HRESULT setAttribute(BSTR name, VARIANT value) = 0;
};

struct IXMLDOMParseError : IDispatch {
    // S_OK (0) after a successful load.
    virtual HRESULT get_errorCode(long* errorCode) = 0;
    virtual HRESULT get_url(BSTR* url) = 0;
    virtual HRESULT get_reason(BSTR* reason) = 0;
    // From 1; linepos and filepos count characters.
    virtual HRESULT get_line(long* line) = 0;
    virtual HRESULT get_linepos(long* linepos) = 0;
    virtual HRESULT get_filepos(long* filepos) = 0;
};

struct IXMLDOMDocument : IXMLDOMNode {
    virtual HRESULT createElement(BSTR tagName, IXMLDOMElement** element) = 0;
    // S_FALSE and null when the document has no element.
    virtual HRESULT get_documentElement(IXMLDOMElement** element) = 0;
    // xmlSource: a file name (VT_BSTR). A document that does not parse gives
    // S_FALSE and *isSuccessful VARIANT_FALSE.
    virtual HRESULT load(VARIANT xmlSource, VARIANT_BOOL* isSuccessful) = 0;
    virtual HRESULT loadXML(BSTR xml, VARIANT_BOOL* isSuccessful) = 0;
    // destination: a file name (VT_BSTR); written as UTF-8, indented by two
    // spaces, after an XML declaration (the document's own, if it has one).
    virtual HRESULT save(VARIANT destination) = 0;
    // What the last load reported.
    virtual HRESULT get_parseError(IXMLDOMParseError** errorObj) = 0;
};

// A new, empty document.
HRESULT CreateDOMDocument(IXMLDOMDocument** document);

_COM_SMARTPTR_TYPEDEF(IXMLDOMNode, IID_IXMLDOMNode);
_COM_SMARTPTR_TYPEDEF(IXMLDOMElement, IID_IXMLDOMElement);
_COM_SMARTPTR_TYPEDEF(IXMLDOMDocument, IID_IXMLDOMDocument);
_COM_SMARTPTR_TYPEDEF(IXMLDOMParseError, IID_IXMLDOMParseError);
