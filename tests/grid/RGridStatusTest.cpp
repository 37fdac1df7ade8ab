#include "BeamGrid.h"

#include "xmldom/XmlDom.h"

#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

IXMLDOMDocumentPtr newDocument()
{
    IXMLDOMDocument* raw = nullptr;
    CreateDOMDocument(&raw);
    return IXMLDOMDocumentPtr(raw, false);
}

// The element of a document parsed from text; it keeps its tree alive.
IXMLDOMElementPtr hostOf(const wchar_t* xml)
{
    IXMLDOMDocumentPtr doc = newDocument();
    VARIANT_BOOL ok = VARIANT_FALSE;
    EXPECT_EQ(doc->loadXML(_bstr_t(xml), &ok), S_OK) << toUtf8(xml);
    IXMLDOMElementPtr root;
    doc->get_documentElement(&root);
    return root;
}

std::wstring xmlOf(IXMLDOMNode* node)
{
    _bstr_t xml;
    node->get_xml(xml.GetAddress());
    return xml.str();
}

// What loading through the public interface throws, as a code (S_OK: nothing).
template <class F> HRESULT thrown(F f)
{
    try {
        f();
    } catch (const _com_error& e) {
        return e.Error();
    }
    return S_OK;
}

class GridStatus : public RecordGrid {
protected:
    // The descriptors as "Field/Group/Grouped" and the widths the grid reports.
    std::string layout()
    {
        std::string s;
        for (size_t i = 0; i < grid.GetCols().size(); ++i) {
            const auto& d = grid.GetCols()[i];
            s += (s.empty() ? "" : " ") + std::to_string(d.Field) + "/" + std::to_string(d.Group) + "/" +
                 (d.Grouped ? "1" : "0") + ":" + std::to_string(grid.GetColWidth((ROWCOL)i));
        }
        return s;
    }
    void load(const wchar_t* xml) { grid.LoadStatusXML(hostOf(xml)); }
    std::string loaded(const wchar_t* xml)
    {
        grid.describe(false);
        grid.resetColWidth();
        load(xml);
        return layout();
    }
};

} // namespace

TEST_F(GridStatus, SavingAppendsTheLayoutAsTheLastChildOfTheHostsElement)
{
    grid.describe(true);
    grid.SetColWidth(2, 0, 100); // h dragged wider
    IXMLDOMDocumentPtr doc = newDocument();
    IXMLDOMElementPtr host, other;
    doc->createElement(_bstr_t(L"Host"), &host);
    doc->createElement(_bstr_t(L"Other"), &other);
    doc->appendChild(host, nullptr);
    host->appendChild(other, nullptr);

    grid.SaveStatusXML(doc, host);
    const std::filesystem::path file = std::filesystem::temp_directory_path() / "grid-status-test.xml";
    ASSERT_EQ(doc->save(_variant_t(_bstr_t(file.c_str()))), S_OK);
    std::ifstream in(file, std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), {});
    std::filesystem::remove(file);
    EXPECT_EQ(text, "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                    "<Host>\n"
                    "  <Other />\n"
                    "  <GridStatus>\n"
                    "    <ColumnsInfo Count=\"4\">\n"
                    "      <ColumnInfo Order=\"0\" Field=\"10\" Group=\"-1\" Grouped=\"0\" Width=\"60\" />\n"
                    "      <ColumnInfo Order=\"1\" Field=\"20\" Group=\"7\" Grouped=\"1\" Width=\"70\" />\n"
                    "      <ColumnInfo Order=\"2\" Field=\"30\" Group=\"7\" Grouped=\"1\" Width=\"100\" />\n"
                    "      <ColumnInfo Order=\"3\" Field=\"40\" Group=\"-1\" Grouped=\"0\" Width=\"90\" />\n"
                    "    </ColumnsInfo>\n"
                    "  </GridStatus>\n"
                    "</Host>\n");
}

TEST_F(GridStatus, ALoadedLayoutRestoresTheSavedDescriptorsAndWidths)
{
    grid.describe(true);
    grid.SetColWidth(3, 0, 120);
    IXMLDOMDocumentPtr doc = newDocument();
    IXMLDOMElementPtr host;
    doc->createElement(_bstr_t(L"Host"), &host);
    doc->appendChild(host, nullptr);
    grid.SaveStatusXML(doc, host);
    const std::string saved = layout();
    EXPECT_EQ(saved, "10/-1/0:60 20/7/1:70 30/7/1:80 40/-1/0:120");

    BeamGrid other;
    ASSERT_TRUE(other.Create(WS_VISIBLE, CRect(0, 0, 360, 200), &frame, 2));
    other.GetCols() = {{40, -1, false}};
    other.ApplyCol2Var();
    other.takeLog();
    other.LoadStatusXML(host);
    EXPECT_FALSE(other.IsLockUpdate());
    std::swap(other.GetCols(), grid.GetCols());
    EXPECT_EQ(layout(), saved); // the other grid's layout, read through the same helper
    std::swap(other.GetCols(), grid.GetCols());
    EXPECT_EQ(other.takeLog(), Log{}); // no width asked of the host: each came from the file
    EXPECT_EQ(other.getNonOfHeader(), 1); // the host applies the layout
    other.ApplyCol2Var();
    EXPECT_EQ(other.getNonOfHeader(), 2);
    EXPECT_EQ(other.GetColWidth(3), 120);

    // Loading keeps a lock the host holds.
    other.LockUpdate(TRUE);
    other.LoadStatusXML(host);
    EXPECT_TRUE(other.IsLockUpdate());
}

TEST_F(GridStatus, LoadingFollowsTheOrdersThatArePresent)
{
    // Orders 0 and 2 of 4: the unfilled 1 and 3 are dropped; Order == Count is ignored.
    EXPECT_EQ(loaded(L"<Host><GridStatus><ColumnsInfo Count='4'>"
                     L"<ColumnInfo Order='2' Field='30' Group='5' Grouped='7' Width='85'/>"
                     L"<ColumnInfo Order='0' Field='10' Group='-1' Grouped='0' Width='61'/>"
                     L"<ColumnInfo Order='4' Field='40' Group='-1' Grouped='0' Width='99'/>"
                     L"</ColumnsInfo></GridStatus></Host>"),
              "10/-1/0:61 30/5/1:85");
    // Tags in any case, text and comments between; attribute names as written.
    EXPECT_EQ(loaded(L"<Host>note<!--x--><gridstatus> <!--y--> text<COLUMNSINFO Count='2'>"
                     L"<columnInfo Order='1' Field='20' Group='-1' Grouped='0' Width='44'/>more"
                     L"<ColumnInfo order='0' Field='10' Width='45'/>"
                     L"</COLUMNSINFO></gridstatus></Host>"),
              "10/0/0:45 20/-1/0:44"); // "order" is not Order: 0
    // Missing attributes: order 0, group 0 (not -1), width 0.
    EXPECT_EQ(loaded(L"<Host><GridStatus><ColumnsInfo Count='1'><ColumnInfo Field='20'/></ColumnsInfo></GridStatus></Host>"),
              "20/0/0:0");
    // Several ColumnsInfo and GridStatus: each replaces the list, the last wins.
    EXPECT_EQ(loaded(L"<Host><GridStatus><ColumnsInfo Count='1'><ColumnInfo Field='10'/></ColumnsInfo>"
                     L"<ColumnsInfo Count='1'><ColumnInfo Field='20'/></ColumnsInfo></GridStatus>"
                     L"<GridStatus><ColumnsInfo Count='2'><ColumnInfo Order='1' Field='30' Width='33'/>"
                     L"<ColumnInfo Field='-3'/></ColumnsInfo></GridStatus></Host>"),
              "30/0/0:33"); // a negative field is dropped as well
    // Without Count, or with Count 0 or below, the list is emptied.
    EXPECT_EQ(loaded(L"<Host><GridStatus><ColumnsInfo><ColumnInfo Field='20'/></ColumnsInfo></GridStatus></Host>"), "");
    EXPECT_EQ(loaded(L"<Host><GridStatus><ColumnsInfo Count='-5'><ColumnInfo Field='20'/></ColumnsInfo></GridStatus></Host>"), "");
    // No GridStatus among the children (a deeper one does not count): unchanged.
    EXPECT_EQ(loaded(L"<Host><Other><GridStatus><ColumnsInfo Count='1'><ColumnInfo Field='30'/></ColumnsInfo>"
                     L"</GridStatus></Other><GridStatusX/></Host>"),
              "10/-1/0:60 20/-1/0:70 30/-1/0:80 40/-1/0:90");
}

TEST_F(GridStatus, AHugeCountAllocatesOnlyWhatTheOrdersNeed)
{
    // Filled as the Count says, this list would take tens of gigabytes.
    EXPECT_EQ(loaded(L"<Host><GridStatus><ColumnsInfo Count='2000000000'>"
                     L"<ColumnInfo Order='1' Field='20' Group='-1' Width='70'/>"
                     L"<ColumnInfo Order='1999999999' Field='30' Group='-1' Width='80'/>"
                     L"</ColumnsInfo></GridStatus></Host>"),
              "20/-1/0:70 30/-1/0:80");
    EXPECT_LE(grid.GetCols().capacity(), 2000000000u / 2); // bounded by the highest order, not Count

    // Widths beyond any screen, or below zero, stay within what the grid can lay out.
    EXPECT_EQ(loaded(L"<Host><GridStatus><ColumnsInfo Count='3'>"
                     L"<ColumnInfo Order='0' Field='10' Group='-1' Width='40'/>"
                     L"<ColumnInfo Order='1' Field='20' Group='-1' Width='2147483647'/>"
                     L"<ColumnInfo Order='2' Field='30' Group='-1' Width='-5'/>"
                     L"</ColumnsInfo></GridStatus></Host>"),
              "10/-1/0:40 20/-1/0:32767 30/-1/0:0");
    grid.ApplyCol2Var();
    paint(); // the sanitizers watch the layout's sums
    EXPECT_EQ(pixel(45, 30), RGB(255, 255, 255)); // the wide column's cell, drawn
}

TEST_F(GridStatus, ABadNumberThrowsAndLeavesTheGridAsItWasAndUnlocked)
{
    const std::string before = layout();
    EXPECT_EQ(thrown([&] {
                  load(L"<Host><GridStatus><ColumnsInfo Count='2'><ColumnInfo Order='0' Field='10'/>"
                       L"<ColumnInfo Order='1' Field='20' Width='wide'/></ColumnsInfo></GridStatus></Host>");
              }),
              DISP_E_TYPEMISMATCH);
    EXPECT_EQ(layout(), before); // no half-filled list of -1 fields
    EXPECT_FALSE(grid.IsLockUpdate());
    EXPECT_EQ(thrown([&] { load(L"<Host><GridStatus><ColumnsInfo Count='99999999999'/></GridStatus></Host>"); }),
              DISP_E_OVERFLOW);
    EXPECT_EQ(thrown([&] { load(L"<Host><GridStatus><ColumnsInfo Count='1'><ColumnInfo Field='1.5e1x'/></ColumnsInfo></GridStatus></Host>"); }),
              DISP_E_TYPEMISMATCH);

    // A ColumnsInfo read before the failing one stays applied.
    EXPECT_EQ(thrown([&] {
                  load(L"<Host><GridStatus><ColumnsInfo Count='1'><ColumnInfo Field='30' Width='77'/></ColumnsInfo>"
                       L"<ColumnsInfo Count='x'/></GridStatus></Host>");
              }),
              DISP_E_TYPEMISMATCH);
    EXPECT_EQ(layout(), "30/0/0:77");
    EXPECT_FALSE(grid.IsLockUpdate());

    // The grid paints what it holds, with or without the host's ApplyCol2Var.
    paint();
    EXPECT_EQ(grid.GetColCount(), 0u);
    grid.ApplyCol2Var();
    paint();
    EXPECT_EQ(grid.GetValueRowCol(1, 0), L"600"); // B1's h in the one column left
}

TEST_F(GridStatus, ArgumentsWithoutTheirInterfacesAndFailingCallsThrow)
{
    IXMLDOMDocumentPtr doc = newDocument();
    IXMLDOMElementPtr host;
    doc->createElement(_bstr_t(L"Host"), &host);
    doc->appendChild(host, nullptr);

    EXPECT_EQ(thrown([&] { grid.LoadStatusXML(doc); }), E_POINTER); // a document is no element
    EXPECT_EQ(thrown([&] { grid.LoadStatusXML(nullptr); }), E_POINTER);
    EXPECT_FALSE(grid.IsLockUpdate());
    EXPECT_EQ(thrown([&] { grid.SaveStatusXML(host, host); }), E_POINTER);
    EXPECT_EQ(thrown([&] { grid.SaveStatusXML(doc, doc); }), E_POINTER);
    EXPECT_EQ(xmlOf(doc), L"<Host/>");

    // An element of another document: the append fails with the DOM's reason.
    IXMLDOMElementPtr stranger = hostOf(L"<Stranger/>");
    try {
        grid.SaveStatusXML(doc, stranger);
        FAIL() << "no exception";
    } catch (const _com_error& e) {
        EXPECT_EQ(e.Error(), E_INVALIDARG);
        EXPECT_EQ(e.Description().str(), L"The node belongs to another document.");
        EXPECT_TRUE(e.GUID() == IID_IXMLDOMElement);
    }
    EXPECT_EQ(xmlOf(stranger), L"<Stranger/>");
}
