// Arbitrary bytes as a host's settings file: loaded by the XML document from a
// file, its element handed to a live record grid's LoadStatusXML, the grid laid
// out and painted, its status saved again. A load may fail and LoadStatusXML
// may throw _com_error; nothing else may happen, and the grid must be left
// unlocked with only non-negative fields.
#include "grid/RGrid.h"
#include "win/Afx.h"
#include "xmldom/XmlDom.h"

#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>

namespace {

class FuzzGrid : public NVorel::CRGrid {
public:
    void reset()
    {
        GetCols() = {{1, -1, false}, {2, 5, false}, {3, 5, false}, {4, -1, false}};
        resetColWidth();
        ApplyCol2Var();
    }

protected:
    int _GetRowCount() override { return 3; }
    int _GetStyleRowCol(int nRec, int nField, CGXStyle& style) override
    {
        style.SetValue((std::to_wstring(nRec) + L":" + std::to_wstring(nField)).c_str());
        return 1;
    }
    int _GetStyleHeader(int nLevel, int nId, bool, CGXStyle& style) override
    {
        style.SetValue((std::to_wstring(nLevel) + L"/" + std::to_wstring(nId)).c_str());
        return 1;
    }
};

struct Host {
    CWnd frame;
    FuzzGrid grid;
    std::string file = "/tmp/vorel-fuzz-status-" + std::to_string(::getpid()) + ".xml";

    Host()
    {
        platform::desktop().setScreenSize(200, 120);
        frame.CreateEx(0, nullptr, L"", WS_POPUP | WS_VISIBLE, CRect(0, 0, 200, 120), nullptr, 0);
        grid.Create(WS_VISIBLE, CRect(0, 0, 190, 110), &frame, 1);
    }
};

IXMLDOMDocumentPtr newDocument()
{
    IXMLDOMDocument* raw = nullptr;
    CreateDOMDocument(&raw);
    return IXMLDOMDocumentPtr(raw, false);
}

void loadInto(FuzzGrid& grid, const std::string& file)
{
    IXMLDOMDocumentPtr doc = newDocument();
    VARIANT_BOOL ok = VARIANT_FALSE;
    if (doc->load(_variant_t(_bstr_t(file.c_str())), &ok) != S_OK || ok != VARIANT_TRUE)
        return;
    IXMLDOMElementPtr root;
    if (doc->get_documentElement(&root) != S_OK)
        return;
    try {
        grid.LoadStatusXML(root);
    } catch (const _com_error&) {
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static Host host;
    FuzzGrid& grid = host.grid;
    grid.reset();
    std::ofstream(host.file, std::ios::binary | std::ios::trunc).write((const char*)data, (std::streamsize)size);
    loadInto(grid, host.file);

    if (grid.IsLockUpdate())
        std::abort();
    for (const auto& d : grid.GetCols())
        if (d.Field < 0)
            std::abort();
    grid.ApplyCol2Var();
    grid.Redraw();
    platform::desktop().processMessages();

    IXMLDOMDocumentPtr saved = newDocument();
    IXMLDOMElementPtr root;
    saved->createElement(_bstr_t(L"Host"), &root);
    saved->appendChild(root, nullptr);
    grid.SaveStatusXML(saved, root);
    return 0;
}
