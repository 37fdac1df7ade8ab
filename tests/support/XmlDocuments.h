#pragma once
// XML documents made, parsed and printed through the DOM's public interface.
#include "xmldom/XmlDom.h"

#include <gtest/gtest.h>

#include <string>

namespace testsupport {

inline IXMLDOMDocumentPtr newDocument()
{
    IXMLDOMDocument* raw = nullptr;
    EXPECT_EQ(CreateDOMDocument(&raw), S_OK);
    return IXMLDOMDocumentPtr(raw, false);
}

// The root element of a document parsed from text; it keeps its tree alive.
inline IXMLDOMElementPtr parsedRoot(const wchar_t* xml)
{
    IXMLDOMDocumentPtr doc = newDocument();
    VARIANT_BOOL ok = VARIANT_FALSE;
    EXPECT_EQ(doc->loadXML(_bstr_t(xml), &ok), S_OK);
    EXPECT_EQ(ok, VARIANT_TRUE);
    IXMLDOMElementPtr root;
    doc->get_documentElement(&root);
    return root;
}

inline std::wstring xmlOf(IXMLDOMNode* node)
{
    _bstr_t xml;
    EXPECT_EQ(node->get_xml(xml.GetAddress()), S_OK);
    return xml.str();
}

} // namespace testsupport
