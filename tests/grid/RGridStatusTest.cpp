#include "BeamGrid.h"

#include "support/XmlDocuments.h"

#include <tuple>

namespace {

// What a call throws, as a code (S_OK: nothing).
template <class F> HRESULT thrown(F f)
{
    try {
        f();
    } catch (const _com_error& e) {
        return e.Error();
    }
    return S_OK;
}

const std::string unchanged = "10/-1/0:60 20/-1/0:70 30/-1/0:80 40/-1/0:90";

class GridStatus : public RecordGrid {
protected:
    void SetUp() override
    {
        RecordGrid::SetUp();
        VARIANT_BOOL ok = VARIANT_FALSE;
        ASSERT_EQ(doc->loadXML(_bstr_t(L"<Host><Other/></Host>"), &ok), S_OK);
        doc->get_documentElement(&host);
    }
    // A host's settings element holding the given ColumnsInfo elements.
    static std::wstring status(const std::wstring& s) { return L"<Host><GridStatus>" + s + L"</GridStatus></Host>"; }
    // The layout as "Field/Group/Grouped:width" per column.
    std::string layout()
    {
        std::ostringstream s;
        for (size_t i = 0; i < grid.GetCols().size(); ++i) {
            const NVorel::CRGrid::SColDsc& d = grid.GetCols()[i];
            s << (i ? " " : "") << d.Field << "/" << d.Group << "/" << d.Grouped << ":" << grid.GetColWidth((ROWCOL)i);
        }
        return s.str();
    }
    // Loads into the ungrouped grid with its widths forgotten; what that threw.
    HRESULT load(const std::wstring& xml)
    {
        grid.describe(false);
        grid.resetColWidth();
        return thrown([&] { grid.LoadStatusXML(testsupport::parsedRoot(xml.c_str())); });
    }

    // The host's document and the element it keeps the layout in.
    IXMLDOMDocumentPtr doc = testsupport::newDocument();
    IXMLDOMElementPtr host;
};

} // namespace

TEST_F(GridStatus, TheLayoutIsSavedAsTheLastChildOfTheHostsElementAndLoadedBack)
{
    grid.describe(true);
    grid.SetColWidth(2, 0, 100); // h dragged wider
    grid.SaveStatusXML(doc, host);
    EXPECT_EQ(testsupport::xmlOf(host),
              L"<Host><Other/><GridStatus><ColumnsInfo Count=\"4\">"
              L"<ColumnInfo Order=\"0\" Field=\"10\" Group=\"-1\" Grouped=\"0\" Width=\"60\"/>"
              L"<ColumnInfo Order=\"1\" Field=\"20\" Group=\"7\" Grouped=\"1\" Width=\"70\"/>"
              L"<ColumnInfo Order=\"2\" Field=\"30\" Group=\"7\" Grouped=\"1\" Width=\"100\"/>"
              L"<ColumnInfo Order=\"3\" Field=\"40\" Group=\"-1\" Grouped=\"0\" Width=\"90\"/>"
              L"</ColumnsInfo></GridStatus></Host>");

    grid.describe(false);
    grid.resetColWidth();
    grid.takeLog();
    grid.LoadStatusXML(host);
    EXPECT_EQ(layout(), "10/-1/0:60 20/7/1:70 30/7/1:100 40/-1/0:90");
    EXPECT_EQ(grid.takeLog(), Log{}); // no width asked of the host: each came from the file
    EXPECT_FALSE(grid.IsLockUpdate());
    EXPECT_EQ(grid.getNonOfHeader(), 1); // the host applies the layout

    // Loading keeps a lock the host holds.
    grid.LockUpdate(TRUE);
    grid.LoadStatusXML(host);
    EXPECT_TRUE(grid.IsLockUpdate());
}

TEST_F(GridStatus, LoadingFollowsTheOrdersThatArePresent)
{
    const std::pair<std::wstring, std::string> cases[] = {
        // Orders 0 and 2 of 4: the unfilled 1 and 3 are dropped; Order == Count is ignored.
        {status(L"<ColumnsInfo Count='4'><ColumnInfo Order='2' Field='30' Group='5' Grouped='7' Width='85'/>"
                L"<ColumnInfo Order='0' Field='10' Group='-1' Width='61'/><ColumnInfo Order='4' Field='40'/>"
                L"</ColumnsInfo>"),
         "10/-1/0:61 30/5/1:85"},
        // Tags in any case, text and comments between; attribute names as
        // written ("order" is not Order: 0); missing attributes 0, group too.
        {L"<Host>note<!--x--><gridstatus> <!--y--> text<COLUMNSINFO Count='2'><columnInfo Order='1' Field='20' "
         L"Group='-1' Width='44'/>more<ColumnInfo order='0' Field='10'/></COLUMNSINFO></gridstatus></Host>",
         "10/0/0:0 20/-1/0:44"},
        // Several ColumnsInfo and GridStatus: each replaces the list, the last
        // wins; a negative field is dropped.
        {L"<Host><GridStatus><ColumnsInfo Count='1'><ColumnInfo Field='10'/></ColumnsInfo></GridStatus><GridStatus>"
         L"<ColumnsInfo Count='2'><ColumnInfo Order='1' Field='30' Width='33'/><ColumnInfo Field='-3'/></ColumnsInfo>"
         L"</GridStatus></Host>",
         "30/0/0:33"},
        // Without Count, or with Count 0 or below, the list is emptied.
        {status(L"<ColumnsInfo><ColumnInfo Field='20'/></ColumnsInfo>"), ""},
        {status(L"<ColumnsInfo Count='-5'><ColumnInfo Field='20'/></ColumnsInfo>"), ""},
        // No GridStatus among the children (a deeper one does not count): unchanged.
        {L"<Host><Other>" + status(L"<ColumnsInfo Count='1'><ColumnInfo Field='30'/></ColumnsInfo>") +
             L"</Other><GridStatusX/></Host>",
         unchanged},
    };
    for (const auto& [xml, expected] : cases) {
        EXPECT_EQ(load(xml), S_OK);
        EXPECT_EQ(layout(), expected) << toUtf8(xml);
    }
}

TEST_F(GridStatus, AHugeCountAllocatesOnlyWhatTheOrdersNeed)
{
    // Filled as the Count says, this list would take tens of gigabytes.
    load(status(L"<ColumnsInfo Count='2000000000'><ColumnInfo Order='1' Field='20' Width='70'/>"
                L"<ColumnInfo Order='1999999999' Field='30' Width='80'/></ColumnsInfo>"));
    EXPECT_EQ(layout(), "20/0/0:70 30/0/0:80");
    EXPECT_LE(grid.GetCols().capacity(), 2000000000u / 2); // bounded by the highest order, not Count

    // Widths beyond any screen, or below zero, stay within what the grid can lay out.
    load(status(L"<ColumnsInfo Count='3'><ColumnInfo Field='10' Group='-1' Width='40'/><ColumnInfo Order='1' "
                L"Field='20' Group='-1' Width='2147483647'/><ColumnInfo Order='2' Field='30' Width='-5'/>"
                L"</ColumnsInfo>"));
    EXPECT_EQ(layout(), "10/-1/0:40 20/-1/0:32767 30/0/0:0");
    grid.ApplyCol2Var();
    paint();                                      // the sanitizers watch the layout's sums
    EXPECT_EQ(pixel(45, 30), RGB(255, 255, 255)); // the wide column's cell, drawn
}

TEST_F(GridStatus, ABadNumberThrowsAndLeavesTheGridAsItWasAndUnlocked)
{
    const std::tuple<std::wstring, HRESULT, std::string> bad[] = {
        {status(L"<ColumnsInfo Count='2'><ColumnInfo Order='0' Field='10'/><ColumnInfo Order='1' Field='20' "
                L"Width='wide'/></ColumnsInfo>"),
         DISP_E_TYPEMISMATCH, unchanged}, // no half-filled list of -1 fields
        {status(L"<ColumnsInfo Count='99999999999'/>"), DISP_E_OVERFLOW, unchanged},
        {status(L"<ColumnsInfo Count='1'><ColumnInfo Field='1.5e1x'/></ColumnsInfo>"), DISP_E_TYPEMISMATCH, unchanged},
        // A ColumnsInfo read before the failing one stays applied.
        {status(L"<ColumnsInfo Count='1'><ColumnInfo Field='30' Width='77'/></ColumnsInfo><ColumnsInfo Count='x'/>"),
         DISP_E_TYPEMISMATCH, "30/0/0:77"},
    };
    for (const auto& [xml, hr, expected] : bad) {
        EXPECT_EQ(load(xml), hr) << toUtf8(xml);
        EXPECT_EQ(layout(), expected);
        EXPECT_FALSE(grid.IsLockUpdate());
    }
    // The grid paints what it holds, with or without the host's ApplyCol2Var
    // (the sanitizers watch).
    paint();
    grid.ApplyCol2Var();
    paint();
}

TEST_F(GridStatus, ArgumentsWithoutTheirInterfacesAndFailingCallsThrow)
{
    EXPECT_EQ(thrown([&] { grid.LoadStatusXML(doc); }), E_POINTER); // a document is no element
    EXPECT_EQ(thrown([&] { grid.LoadStatusXML(nullptr); }), E_POINTER);
    EXPECT_FALSE(grid.IsLockUpdate());
    EXPECT_EQ(thrown([&] { grid.SaveStatusXML(host, host); }), E_POINTER);
    EXPECT_EQ(thrown([&] { grid.SaveStatusXML(doc, doc); }), E_POINTER);
    EXPECT_EQ(testsupport::xmlOf(doc), L"<Host><Other/></Host>");

    // An element of another document: the append fails, and says so.
    IXMLDOMElementPtr stranger = testsupport::parsedRoot(L"<Stranger/>");
    EXPECT_EQ(thrown([&] { grid.SaveStatusXML(doc, stranger); }), E_INVALIDARG);
    EXPECT_EQ(testsupport::xmlOf(stranger), L"<Stranger/>");
}
