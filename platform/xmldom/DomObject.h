#pragma once
// What every DOM object shares: reference counting, QueryInterface, the
// refusal of late binding, error information, and IXMLDOMNode over a node of
// a pugixml tree. CDomObject<I> implements interface I (IXMLDOMElement or
// IXMLDOMDocument, whose id is *piid); the derived class adds I's own calls.
#include "DomTree.h"
#include "xmldom/XmlDom.h"

namespace xmldom {

// How the DOM recognises its own nodes among the IXMLDOMNode pointers it is
// handed (appendChild).
extern const IID IID_IDomNodeAccess;
struct IDomNodeAccess : IUnknown {
    virtual NodeRef ref() = 0;
};

// A new object for the node: an IXMLDOMNode that offers IXMLDOMElement when
// the node is an element. Null for a null node.
IXMLDOMNode* wrapNode(const TreeRef& tree, pugi::xml_node node);

// The shared IXMLDOMNode calls, on a node reference; iid is the interface the
// caller came through, for the error information.
struct NodeCalls {
    static HRESULT nodeName(const NodeRef& ref, BSTR* name);
    static HRESULT nodeType(const NodeRef& ref, DOMNodeType* type);
    static HRESULT text(const NodeRef& ref, BSTR* text);
    static HRESULT answerNode(const TreeRef& tree, pugi::xml_node node, IXMLDOMNode** out);
    static HRESULT appendChild(const NodeRef& ref, REFIID iid, IXMLDOMNode* newChild, IXMLDOMNode** out);
    static HRESULT xml(const NodeRef& ref, BSTR* xml);
};

template <class I, const IID* piid> class CDomObject : public I, public ISupportErrorInfo, public IDomNodeAccess,
                                      protected platform::com::CRefCounted {
public:
    HRESULT QueryInterface(REFIID riid, void** ppv) override
    {
        IUnknown* found = nullptr;
        if (riid == IID_IUnknown || riid == IID_IDispatch || riid == IID_IXMLDOMNode)
            found = static_cast<I*>(this);
        else if (riid == IID_ISupportErrorInfo)
            found = static_cast<ISupportErrorInfo*>(this);
        else if (riid == IID_IDomNodeAccess)
            found = static_cast<IDomNodeAccess*>(this);
        else
            found = findInterface(riid);
        return platform::com::answerQuery(found, ppv);
    }
    ULONG AddRef() override { return addRef(); }
    ULONG Release() override { return release(); }

    HRESULT InterfaceSupportsErrorInfo(REFIID riid) override
    {
        return riid == IID_IXMLDOMNode || riid == IID_IXMLDOMElement || riid == IID_IXMLDOMDocument ? S_OK
                                                                                                     : S_FALSE;
    }

    HRESULT GetTypeInfoCount(unsigned int* pctinfo) override { return pctinfo ? (*pctinfo = 0, S_OK) : E_POINTER; }
    HRESULT GetTypeInfo(unsigned int, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT GetIDsOfNames(REFIID, LPOLESTR*, unsigned int, LCID, DISPID*) override { return DISP_E_UNKNOWNNAME; }
    HRESULT Invoke(DISPID, REFIID, LCID, uint16_t, DISPPARAMS*, VARIANT*, EXCEPINFO*, unsigned int*) override
    {
        return DISP_E_MEMBERNOTFOUND;
    }

    HRESULT get_nodeName(BSTR* name) override { return NodeCalls::nodeName(ref(), name); }
    HRESULT get_nodeType(DOMNodeType* type) override { return NodeCalls::nodeType(ref(), type); }
    HRESULT get_text(BSTR* text) override { return NodeCalls::text(ref(), text); }
    HRESULT get_firstChild(IXMLDOMNode** child) override
    {
        const NodeRef r = ref();
        return NodeCalls::answerNode(r.tree, r.firstChild(), child);
    }
    HRESULT get_nextSibling(IXMLDOMNode** sibling) override
    {
        const NodeRef r = ref();
        return NodeCalls::answerNode(r.tree, r.nextSibling(), sibling);
    }
    HRESULT appendChild(IXMLDOMNode* newChild, IXMLDOMNode** out) override
    {
        return NodeCalls::appendChild(ref(), *piid, newChild, out);
    }
    HRESULT get_xml(BSTR* xml) override { return NodeCalls::xml(ref(), xml); }

protected:
    virtual IUnknown* findInterface(REFIID riid) = 0;
};

} // namespace xmldom
