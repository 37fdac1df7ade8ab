// Arbitrary bytes as a host's settings file: loaded by the XML document, its
// element handed to a live record grid's LoadStatusXML, the grid laid out and
// painted, its status saved again. A load may fail and LoadStatusXML
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
#include <vector>

namespace {

const std::vector<NVorel::CRGrid::SColDsc> kDefault = {{1, -1, false}, {2, 5, false}, {3, 5, false}, {4, -1, false}};

class FuzzGrid : public NVorel::CRGrid {
public:
    void reset()
    {
        GetCols() = kDefault;
        resetColWidth();
        ApplyCol2Var();
    }
    // Laying out and painting are the slow part: a grid the input left as it
    // was is neither reset nor shown again.
    bool isDefault()
    {
        const auto& cols = GetCols();
        if (cols.size() != kDefault.size())
            return false;
        for (size_t i = 0; i < cols.size(); ++i)
            if (cols[i].Field != kDefault[i].Field || cols[i].Group != kDefault[i].Group ||
                GetColWidth((ROWCOL)i) != 70)
                return false;
        return true;
    }

protected:
    int _GetRowCount() override { return 3; }
    int _GetStyleRowCol(int nRec, int nField, CGXStyle& style) override
    {
        style.SetValue((std::to_wstring(nRec) + L":" + std::to_wstring(nField)).c_str());
        return 1;
    }
    int _GetColWidth(int, bool) override { return 70; }
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

// Raw bytes through a file (the parser guesses the encoding) for one input in
// four, chosen by its first byte; as UTF-8 text through loadXML otherwise,
// which spares the file system.
void loadInto(FuzzGrid& grid, const std::string& file, const uint8_t* data, size_t size)
{
    IXMLDOMDocumentPtr doc = newDocument();
    VARIANT_BOOL ok = VARIANT_FALSE;
    HRESULT hr = S_OK;
    if (size > 0 && data[0] % 4 == 0) {
        std::ofstream(file, std::ios::binary | std::ios::trunc).write((const char*)data, (std::streamsize)size);
        hr = doc->load(_variant_t(_bstr_t(file.c_str())), &ok);
    } else {
        hr = doc->loadXML(_bstr_t(fromUtf8(std::string((const char*)data, size)).c_str()), &ok);
    }
    if (hr != S_OK || ok != VARIANT_TRUE)
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
    static bool changed = true;
    FuzzGrid& grid = host.grid;
    if (changed)
        grid.reset();
    loadInto(grid, host.file, data, size);

    if (grid.IsLockUpdate())
        std::abort();
    for (const auto& d : grid.GetCols())
        if (d.Field < 0)
            std::abort();
    changed = !grid.isDefault();
    if (!changed)
        return 0;
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
