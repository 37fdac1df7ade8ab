#include "support/TempDir.h"
#include "support/XmlDocuments.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

using testsupport::newDocument;
using testsupport::xmlOf;

namespace {

IXMLDOMElementPtr element(const IXMLDOMDocumentPtr& doc, const wchar_t* name)
{
    IXMLDOMElementPtr e;
    EXPECT_EQ(doc->createElement(_bstr_t(name), &e), S_OK);
    return e;
}

// The children of a node as "type:name" entries, each followed by a space.
std::wstring children(IXMLDOMNode* parent)
{
    std::wstring out;
    IXMLDOMNodePtr child;
    parent->get_firstChild(&child);
    while (child) {
        DOMNodeType type = NODE_INVALID;
        child->get_nodeType(&type);
        _bstr_t name;
        child->get_nodeName(name.GetAddress());
        out += std::to_wstring(type) + L":" + name.str() + L" ";
        IXMLDOMNodePtr next;
        child->get_nextSibling(&next);
        child = next;
    }
    return out;
}

// The description the failed call left, taken from the thread.
std::wstring lastError()
{
    IErrorInfo* info = nullptr;
    if (GetErrorInfo(0, &info) != S_OK) return L"(none)";
    _bstr_t text;
    info->GetDescription(text.GetAddress());
    info->Release();
    return text.str();
}

std::string fileText(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

class XmlFile : public ::testing::Test {
protected:
    testsupport::TempDir dir;
    const std::filesystem::path& folder = dir.path();
    _variant_t pathOf(const char* name) { return _variant_t(_bstr_t((folder / name).c_str())); }
};

} // namespace

TEST(XmlDom, ABuiltDocumentIsWalkedWithItsAttributes)
{
    IXMLDOMDocumentPtr doc = newDocument();
    IXMLDOMElementPtr root;
    EXPECT_EQ(doc->get_documentElement(&root), S_FALSE);
    IXMLDOMElementPtr host = element(doc, L"Host"), beam = element(doc, L"Beam");
    EXPECT_EQ(xmlOf(doc), L""); // made but not appended
    ASSERT_EQ(doc->appendChild(host, nullptr), S_OK);
    IXMLDOMNodePtr appended;
    ASSERT_EQ(host->appendChild(beam, &appended), S_OK);
    EXPECT_EQ(appended.GetInterfacePtr(), static_cast<IXMLDOMNode*>(beam.GetInterfacePtr()));
    ASSERT_EQ(host->appendChild(element(doc, L"Column"), nullptr), S_OK);

    EXPECT_EQ(beam->setAttribute(_bstr_t(L"Span"), _variant_t(6)), S_OK);
    EXPECT_EQ(beam->setAttribute(_bstr_t(L"Name"), _variant_t(L"B<1>")), S_OK);
    EXPECT_EQ(beam->setAttribute(_bstr_t(L"Span"), _variant_t(7.5)), S_OK); // replaces 6
    _variant_t value;
    EXPECT_EQ(beam->getAttribute(_bstr_t(L"Span"), value.GetAddress()), S_OK);
    EXPECT_EQ(value.vt, VT_BSTR);
    EXPECT_STREQ(value.bstrVal, L"7.5");

    EXPECT_EQ(xmlOf(doc), L"<Host><Beam Span=\"7.5\" Name=\"B&lt;1>\"/><Column/></Host>");
    ASSERT_EQ(doc->get_documentElement(&root), S_OK);
    EXPECT_EQ(children(doc), L"1:Host ");
    // Appending a node that is in the tree moves it.
    ASSERT_EQ(host->appendChild(beam, nullptr), S_OK);
    EXPECT_EQ(children(root), L"1:Column 1:Beam ");

    // Text, comments and sections are nodes, not elements.
    VARIANT_BOOL ok = VARIANT_FALSE;
    ASSERT_EQ(doc->loadXML(_bstr_t(L"<?xml version=\"1.0\"?><H>before<!--note--><A/> "
                                   L"<![CDATA[c]]>after</H>"),
                           &ok),
              S_OK);
    EXPECT_EQ(ok, VARIANT_TRUE);
    EXPECT_EQ(children(doc), L"7:xml 1:H ");
    ASSERT_EQ(doc->get_documentElement(&root), S_OK);
    EXPECT_EQ(children(root), L"3:#text 8:#comment 1:A 4:#cdata-section 3:#text ");
    IXMLDOMNodePtr text;
    root->get_firstChild(&text);
    EXPECT_FALSE(IXMLDOMElementPtr(text.GetInterfacePtr()));
    _bstr_t all;
    root->get_text(all.GetAddress());
    EXPECT_EQ(all.str(), L"beforecafter");
}

TEST(XmlDom, RefusedCallsSayWhy)
{
    IXMLDOMDocumentPtr doc = newDocument();
    VARIANT_BOOL ok = VARIANT_FALSE;
    ASSERT_EQ(doc->loadXML(_bstr_t(L"<Host><Inner/>t</Host>"), &ok), S_OK);
    IXMLDOMElementPtr host, bad;
    doc->get_documentElement(&host);
    IXMLDOMNodePtr inner, text;
    host->get_firstChild(&inner);
    inner->get_nextSibling(&text);
    const auto expectRefused = [](HRESULT got, HRESULT expected, const wchar_t* why) {
        EXPECT_EQ(got, expected) << why;
        EXPECT_EQ(lastError(), why);
    };
    expectRefused(doc->appendChild(element(doc, L"Second"), nullptr), E_FAIL,
                  L"Only one top level element is allowed in an XML document.");
    expectRefused(inner->appendChild(host, nullptr), E_FAIL,
                  L"Inserting a node or its ancestor under itself is not allowed.");
    expectRefused(host->appendChild(nullptr, nullptr), E_INVALIDARG,
                  L"The new child is not a node of this document object model.");
    expectRefused(doc->createElement(_bstr_t(L"1st"), &bad), E_FAIL, L"\"1st\" is not a valid element name.");
    expectRefused(host->setAttribute(_bstr_t(L"two words"), _variant_t(1)), E_FAIL,
                  L"\"two words\" is not a valid attribute name.");
    expectRefused(host->setAttribute(_bstr_t(L"Owner"), _variant_t(static_cast<IDispatch*>(doc))), DISP_E_TYPEMISMATCH,
                  L"The value of \"Owner\" cannot be written as text.");
    expectRefused(text->appendChild(element(doc, L"B"), nullptr), E_FAIL,
                  L"A node of type #text cannot have children.");
    EXPECT_FALSE(bad);
    EXPECT_EQ(xmlOf(doc), L"<Host><Inner/>t</Host>"); // nothing changed

    // The DOM reports on its interfaces, so the support classes pick it up.
    try {
        _com_issue_errorex(host->appendChild(host, nullptr), host, IID_IXMLDOMElement);
        FAIL() << "no exception";
    } catch (const _com_error& e) {
        EXPECT_EQ(e.Error(), E_FAIL);
        EXPECT_EQ(e.Description().str(), L"Inserting a node or its ancestor under itself is not allowed.");
        EXPECT_TRUE(e.GUID() == IID_IXMLDOMElement);
    }
}

TEST_F(XmlFile, ASavedDocumentIsIndentedAfterADeclarationAndLoadsBack)
{
    IXMLDOMDocumentPtr doc = newDocument();
    IXMLDOMElementPtr host = element(doc, L"Host"), beam = element(doc, L"Beam");
    doc->appendChild(host, nullptr);
    host->appendChild(beam, nullptr);
    beam->setAttribute(_bstr_t(L"Name"), _variant_t(L"B\u00D81"));
    ASSERT_EQ(doc->save(pathOf("a.xml")), S_OK);
    const std::string expected = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                 "<Host>\n"
                                 "  <Beam Name=\"B\xC3\x98"
                                 "1\" />\n"
                                 "</Host>\n";
    EXPECT_EQ(fileText(folder / "a.xml"), expected);

    IXMLDOMDocumentPtr loaded = newDocument();
    VARIANT_BOOL ok = VARIANT_FALSE;
    ASSERT_EQ(loaded->load(pathOf("a.xml"), &ok), S_OK);
    EXPECT_EQ(ok, VARIANT_TRUE);
    EXPECT_EQ(xmlOf(loaded), L"<?xml version=\"1.0\" encoding=\"UTF-8\"?><Host><Beam "
                             L"Name=\"B\u00D81\"/></Host>");
    // Its own declaration is kept, not doubled.
    ASSERT_EQ(loaded->save(pathOf("b.xml")), S_OK);
    EXPECT_EQ(fileText(folder / "b.xml"), expected);

    EXPECT_EQ(doc->save(_variant_t(_bstr_t((folder / "missing" / "c.xml").c_str()))), (HRESULT)0x80070003);
    EXPECT_NE(lastError().find(L"missing/c.xml\" cannot be written"), std::wstring::npos);
}

TEST_F(XmlFile, AMalformedDocumentIsReportedWithWhatAndWhere)
{
    std::ofstream(folder / "bad.xml") << "<Host>\n  <Beam>\n</Host>\n";
    IXMLDOMDocumentPtr doc = newDocument();
    doc->loadXML(_bstr_t(L"<Old/>"), nullptr);
    IXMLDOMElementPtr old;
    doc->get_documentElement(&old);

    VARIANT_BOOL ok = VARIANT_TRUE;
    EXPECT_EQ(doc->load(pathOf("bad.xml"), &ok), S_FALSE);
    EXPECT_EQ(ok, VARIANT_FALSE);
    IXMLDOMParseErrorPtr report;
    ASSERT_EQ(doc->get_parseError(&report), S_OK);
    long code = 0, line = 0, linepos = 0;
    _bstr_t reason, url;
    report->get_errorCode(&code);
    report->get_reason(reason.GetAddress());
    report->get_url(url.GetAddress());
    report->get_line(&line);
    report->get_linepos(&linepos);
    EXPECT_TRUE(FAILED(code));
    EXPECT_EQ(reason.str(), L"Start-end tags mismatch");
    EXPECT_EQ(url.str(), (folder / "bad.xml").wstring());
    EXPECT_EQ(line, 3); // at </Host>, which does not close <Beam>
    EXPECT_GE(linepos, 1);
    // The document is empty; the element held from before still works.
    IXMLDOMElementPtr none;
    EXPECT_EQ(doc->get_documentElement(&none), S_FALSE);
    EXPECT_EQ(xmlOf(old), L"<Old/>");

    EXPECT_EQ(doc->load(pathOf("absent.xml"), &ok), S_FALSE);
    doc->get_parseError(&report);
    report->get_errorCode(&code);
    EXPECT_EQ(code, STG_E_FILENOTFOUND);
    EXPECT_EQ(doc->loadXML(_bstr_t(L""), &ok), S_FALSE);
    EXPECT_EQ(doc->load(_variant_t(3), &ok), E_INVALIDARG);
}
