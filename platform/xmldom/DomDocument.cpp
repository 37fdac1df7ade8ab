// The document: it makes elements, loads its tree from a file or a string and
// saves it. A load parses into a new tree, so nodes a host still holds keep
// the old one; a load that fails leaves an empty document.
#include "DomError.h"
#include "DomObject.h"
#include "DomParseError.h"

#include "win/kernel/Utf8.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>
#include <sstream>

namespace xmldom {

namespace {

constexpr unsigned int kParseOptions =
    pugi::parse_default | pugi::parse_declaration | pugi::parse_comments | pugi::parse_pi;
constexpr HRESULT kErrorPathNotFound = (HRESULT)0x80070003;

// Where pugixml stopped, in lines and characters of the UTF-8 text.
void locate(const std::string& text, ptrdiff_t offset, ParseReport& report)
{
    const size_t end = std::min(text.size(), (size_t)std::max<ptrdiff_t>(offset, 0));
    report.line = 1;
    report.linepos = 1;
    report.filepos = 0;
    for (size_t i = 0; i < end; ++i) {
        if (((unsigned char)text[i] & 0xC0) == 0x80)
            continue; // inside a character
        ++report.filepos;
        if (text[i] == '\n')
            ++report.line, report.linepos = 1;
        else
            ++report.linepos;
    }
}

class CDomDocument : public CDomObject<IXMLDOMDocument, &IID_IXMLDOMDocument> {
public:
    NodeRef ref() override { return NodeRef{m_tree, m_tree->doc}; }

    HRESULT createElement(BSTR tagName, IXMLDOMElement** element) override
    {
        if (!element)
            return E_POINTER;
        *element = nullptr;
        const std::wstring name = fromBstr(tagName);
        if (!isXmlName(name))
            return reportError(IID_IXMLDOMDocument, E_FAIL, L"\"" + name + L"\" is not a valid element name.");
        pugi::xml_node made = m_tree->orphans.append_child(toUtf8(name).c_str());
        IXMLDOMNodePtr node(wrapNode(m_tree, made), false);
        return node->QueryInterface(IID_IXMLDOMElement, (void**)element);
    }

    HRESULT get_documentElement(IXMLDOMElement** element) override
    {
        if (!element)
            return E_POINTER;
        *element = nullptr;
        for (pugi::xml_node n = ref().firstChild(); n; n = n.next_sibling())
            if (n.type() == pugi::node_element) {
                IXMLDOMNodePtr node(wrapNode(m_tree, n), false);
                return node->QueryInterface(IID_IXMLDOMElement, (void**)element);
            }
        return S_FALSE;
    }

    HRESULT load(VARIANT xmlSource, VARIANT_BOOL* isSuccessful) override
    {
        if (xmlSource.vt != VT_BSTR)
            return reportError(IID_IXMLDOMDocument, E_INVALIDARG, L"A document loads from a file name.");
        const std::wstring path = fromBstr(xmlSource.bstrVal);
        std::ifstream in(toUtf8(path), std::ios::binary);
        if (!in) {
            ParseReport report{STG_E_FILENOTFOUND, path, L"The file cannot be opened: " + fromUtf8(std::strerror(errno)) + L".", 0, 0, 0};
            return finishLoad(std::make_shared<DomTree>(), report, isSuccessful);
        }
        const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        return parse(bytes, pugi::encoding_auto, path, isSuccessful);
    }

    HRESULT loadXML(BSTR xml, VARIANT_BOOL* isSuccessful) override
    {
        return parse(toUtf8(fromBstr(xml)), pugi::encoding_utf8, L"", isSuccessful);
    }

    HRESULT save(VARIANT destination) override
    {
        if (destination.vt != VT_BSTR)
            return reportError(IID_IXMLDOMDocument, E_INVALIDARG, L"A document saves to a file name.");
        const std::wstring path = fromBstr(destination.bstrVal);
        std::ofstream out(toUtf8(path), std::ios::binary | std::ios::trunc);
        if (out)
            out << indentedText();
        if (!out.flush()) {
            const int error = errno;
            return reportError(IID_IXMLDOMDocument, error == ENOENT ? kErrorPathNotFound : E_ACCESSDENIED,
                               L"The file \"" + path + L"\" cannot be written: " + fromUtf8(std::strerror(error)) + L".");
        }
        return S_OK;
    }

    HRESULT get_parseError(IXMLDOMParseError** errorObj) override
    {
        if (!errorObj)
            return E_POINTER;
        *errorObj = newParseError(m_report);
        return S_OK;
    }

protected:
    IUnknown* findInterface(REFIID riid) override
    {
        return riid == IID_IXMLDOMDocument ? static_cast<IXMLDOMDocument*>(this) : nullptr;
    }

private:
    HRESULT parse(const std::string& bytes, pugi::xml_encoding encoding, const std::wstring& url,
                  VARIANT_BOOL* isSuccessful)
    {
        auto tree = std::make_shared<DomTree>();
        const pugi::xml_parse_result result = tree->doc.load_buffer(bytes.data(), bytes.size(), kParseOptions, encoding);
        tree->orphans = tree->doc.prepend_child(pugi::node_element);
        ParseReport report;
        report.url = url;
        if (!result) {
            report.errorCode = E_FAIL;
            report.reason = fromUtf8(result.description());
            locate(bytes, result.offset, report);
            tree = std::make_shared<DomTree>();
        }
        return finishLoad(tree, report, isSuccessful);
    }

    HRESULT finishLoad(TreeRef tree, const ParseReport& report, VARIANT_BOOL* isSuccessful)
    {
        m_tree = std::move(tree);
        m_report = report;
        if (isSuccessful)
            *isSuccessful = SUCCEEDED(report.errorCode) ? VARIANT_TRUE : VARIANT_FALSE;
        return SUCCEEDED(report.errorCode) ? S_OK : S_FALSE;
    }

    // The declaration first: the document's own, else UTF-8's.
    std::string indentedText() const
    {
        const NodeRef r{m_tree, m_tree->doc};
        const pugi::xml_node first = r.firstChild();
        std::string text;
        if (first.type() != pugi::node_declaration)
            text = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
        return text + nodeXml(r, "  ", pugi::format_indent);
    }

    TreeRef m_tree = std::make_shared<DomTree>();
    ParseReport m_report;
};

} // namespace

} // namespace xmldom

HRESULT CreateDOMDocument(IXMLDOMDocument** document)
{
    if (!document)
        return E_POINTER;
    *document = new xmldom::CDomDocument;
    return S_OK;
}
