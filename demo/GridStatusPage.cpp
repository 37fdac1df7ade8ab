// A host keeps the column layout of its member table: the user drags a column
// wider, the host saves the grid's status into its settings document and the
// file, and the table opened again (a new grid) loads it and looks the same.
#include "Pages.h"
#include "Screenshot.h"

#include "grid/RGrid.h"
#include "win/Afx.h"
#include "xmldom/XmlDom.h"

#include <fstream>

namespace {

enum Field { F_MEMBER = 1, F_B, F_H, F_LENGTH };
constexpr int G_SECTION = 1;

class MemberTable : public NVorel::CRGrid {
public:
    // The layout the table opens with before any saved status.
    void describe()
    {
        GetCols() = {{F_MEMBER, -1, false}, {F_B, G_SECTION, false}, {F_H, G_SECTION, false}, {F_LENGTH, -1, false}};
        ApplyCol2Var();
    }

protected:
    int _GetRowCount() override { return 3; }
    int _GetStyleRowCol(int nRec, int nField, CGXStyle& style) override
    {
        static const wchar_t* const rows[3][4] = {
            {L"C1", L"300", L"300", L"3.20"}, {L"C2", L"300", L"400", L"3.20"}, {L"B7", L"250", L"600", L"6.75"}};
        if (nRec < 0 || nRec > 2 || nField < F_MEMBER || nField > F_LENGTH)
            return 0;
        style.SetValue(rows[nRec][nField - F_MEMBER]);
        return 1;
    }
    int _GetStyleHeader(int nLevel, int nId, bool, CGXStyle& style) override
    {
        static const wchar_t* const titles[] = {L"", L"Member", L"b [mm]", L"h [mm]", L"Length [m]"};
        style.SetValue(nLevel == 1 ? L"Section" : titles[nId]);
        return 1;
    }
    int _GetColWidth(int nField, bool) override { return nField == F_MEMBER ? 60 : 70; }
};

IXMLDOMDocumentPtr newDocument()
{
    IXMLDOMDocument* raw = nullptr;
    CreateDOMDocument(&raw);
    return IXMLDOMDocumentPtr(raw, false);
}

std::string widths(MemberTable& grid)
{
    std::string s;
    for (ROWCOL c = 0; c <= grid.GetColCount(); ++c)
        s += (c ? ", " : "") + std::to_string(grid.GetColWidth(c));
    return s;
}

std::vector<std::pair<std::string, unsigned>> linesOf(const std::filesystem::path& file)
{
    std::vector<std::pair<std::string, unsigned>> lines;
    std::ifstream in(file);
    for (std::string line; std::getline(in, line);)
        lines.emplace_back(line, 0u);
    return lines;
}

} // namespace

void gridStatusPage(DemoContext& demo)
{
    Gallery& g = demo.gallery;
    platform::Desktop& desk = platform::desktop();
    g.beginPage("Grid status",
                "A host keeps the column layout of a record grid in its own XML settings document: "
                "SaveStatusXML appends a GridStatus element with one ColumnInfo per column (order, field, "
                "group, width), and LoadStatusXML reads it back into another grid, which the host then "
                "lays out with ApplyCol2Var.");
    desk.setScreenSize(460, 200);

    CWnd frame;
    createHostFrame(frame, L"Members", CRect(10, 10, 400, 150));
    MemberTable grid;
    grid.Create(WS_VISIBLE, CRect(8, 8, 372, 110), &frame, 1);
    grid.describe();
    desk.processMessages();
    screenshot(g, "status-1.png", "The member table as it opens: widths " + widths(grid) + ".", frame);

    // The user drags the right border of "h [mm]" 45 pixels to the right.
    CRect h = grid.CalcRectFromRowCol(1, 2, 1, 2);
    grid.ClientToScreen(&h);
    const CPoint border(h.right - 1, h.CenterPoint().y);
    desk.moveMouse(border);
    desk.pressButton();
    desk.moveMouse(CPoint(border.x + 45, border.y));
    desk.releaseButton();
    screenshot(g, "status-2.png", "The user dragged h wider: widths " + widths(grid) + ".", frame);

    // The host saves its settings, the grid's status among them.
    const std::filesystem::path file = g.file("member-table.xml");
    IXMLDOMDocumentPtr settings = newDocument();
    IXMLDOMElementPtr root;
    settings->createElement(_bstr_t(L"MemberTableSettings"), &root);
    settings->appendChild(root, nullptr);
    grid.SaveStatusXML(settings, root);
    settings->save(_variant_t(_bstr_t(file.c_str())));
    frame.DestroyWindow();
    g.link("member-table.xml", "member-table.xml: the host's settings file with the grid's status.");
    g.coloredLines(linesOf(file));

    // The table opened again: a new grid with the default layout loads the file.
    CWnd again;
    createHostFrame(again, L"Members", CRect(10, 10, 400, 150));
    MemberTable reopened;
    reopened.Create(WS_VISIBLE, CRect(8, 8, 372, 110), &again, 1);
    reopened.describe();
    IXMLDOMDocumentPtr loaded = newDocument();
    VARIANT_BOOL ok = VARIANT_FALSE;
    loaded->load(_variant_t(_bstr_t(file.c_str())), &ok);
    IXMLDOMElementPtr loadedRoot;
    loaded->get_documentElement(&loadedRoot);
    reopened.LoadStatusXML(loadedRoot);
    reopened.ApplyCol2Var();
    desk.processMessages();
    screenshot(g, "status-3.png", "A new grid after LoadStatusXML and ApplyCol2Var: widths " + widths(reopened) +
                                      ", the same layout.", again);

    // A damaged status: the host is told why and the grid keeps its layout.
    IXMLDOMDocumentPtr damaged = newDocument();
    damaged->loadXML(_bstr_t(L"<MemberTableSettings><GridStatus><ColumnsInfo Count=\"2000000000\">"
                             L"<ColumnInfo Order=\"0\" Field=\"1\" Width=\"wide\"/></ColumnsInfo></GridStatus>"
                             L"</MemberTableSettings>"),
                     &ok);
    IXMLDOMElementPtr damagedRoot;
    damaged->get_documentElement(&damagedRoot);
    std::string outcome = "loaded";
    try {
        reopened.LoadStatusXML(damagedRoot);
    } catch (const _com_error& e) {
        outcome = "_com_error " + std::string(toUtf8(e.ErrorMessage()));
    }
    g.paragraph("A damaged status (Count=\"2000000000\", Width=\"wide\") gives " + outcome +
                "; the grid keeps its widths " + widths(reopened) + " and stays unlocked (" +
                (reopened.IsLockUpdate() ? "locked" : "unlocked") + ").");

    IXMLDOMDocumentPtr malformed = newDocument();
    malformed->loadXML(_bstr_t(L"<MemberTableSettings>\n  <GridStatus>\n</MemberTableSettings>"), &ok);
    IXMLDOMParseErrorPtr report;
    malformed->get_parseError(&report);
    _bstr_t reason;
    long line = 0, linepos = 0;
    report->get_reason(reason.GetAddress());
    report->get_line(&line);
    report->get_linepos(&linepos);
    g.paragraph("A settings file that is not well-formed is reported by the document: \"" + toUtf8(reason.str()) +
                "\" at line " + std::to_string(line) + ", column " + std::to_string(linepos) + ".");
    again.DestroyWindow();
}
