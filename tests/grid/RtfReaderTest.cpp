// A real reader opens the exported table: LibreOffice Writer, headless, turns
// the RTF into HTML, whose table is read back here. Skipped where LibreOffice
// is not installed (scripts/install-check-deps.sh installs it).
#include "BeamGrid.h"

#include "grid/Grid2Rtf.h"
#include "support/Files.h"
#include "support/TempDir.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <fstream>

namespace {

// The text of a cell as a browser shows it: tags dropped, runs of white space
// one space, <br/> a line break.
std::string cellText(std::string html)
{
    for (size_t at; (at = html.find("<br/>")) != std::string::npos;)
        html.replace(at, 5, "\x01");
    std::string text;
    bool inTag = false, space = false;
    for (char ch : html) {
        if (ch == '<' || ch == '>') {
            inTag = ch == '<';
            continue;
        }
        if (inTag)
            continue;
        if (ch == ' ' || ch == '\t' || ch == '\n' || ch == '\r') {
            space = true;
            continue;
        }
        if (space && !text.empty() && text.back() != '\n' && ch != '\x01')
            text += ' ';
        space = false;
        text += ch == '\x01' ? '\n' : ch;
    }
    for (auto [entity, ch] : {std::pair{"&amp;", "&"}, {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}})
        for (size_t at; (at = text.find(entity)) != std::string::npos;)
            text.replace(at, std::strlen(entity), ch);
    return text;
}

// " rowspan=2" for a span attribute of a cell's tag; nothing without one.
std::string span(const std::string& tag, const std::string& name)
{
    const size_t at = tag.find(name + "=\"");
    return at == std::string::npos ? "" : " " + name + "=" + std::to_string(std::atoi(tag.c_str() + at + name.size() + 2));
}

// The tables of an HTML page, a line per row: each cell's text in brackets,
// "*" when it is bold, then its spans.
std::string tableOf(const std::string& html)
{
    std::string table;
    for (size_t tr = html.find("<tr"); tr != std::string::npos; tr = html.find("<tr", tr + 1)) {
        const size_t rowEnd = html.find("</tr>", tr);
        for (size_t td = html.find("<td", tr); td < rowEnd; td = html.find("<td", td + 1)) {
            const size_t tagEnd = html.find('>', td), cellEnd = html.find("</td>", td);
            const std::string tag = html.substr(td, tagEnd - td), inner = html.substr(tagEnd + 1, cellEnd - tagEnd - 1);
            table += "[" + cellText(inner) + "]" + (inner.find("<b>") != std::string::npos ? "*" : "") +
                     span(tag, "rowspan") + span(tag, "colspan");
        }
        table += "\n";
    }
    return table;
}

} // namespace

TEST_F(RecordGrid, LibreOfficeReadsTheExportedTableWithItsMergesAndCharactersBack)
{
    if (std::system("command -v soffice >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "LibreOffice (soffice) is not installed; scripts/install-check-deps.sh installs it";

    grid.m_beams[0].note = L"{\\x}";
    grid.m_beams[1].note = L"m\u00B2";
    grid.m_beams[2].note = L"a\nb";
    grid.m_beams[3].note = L"\u00D8 \U0001D11E";
    grid.describe(true);
    CGXRangeList table;
    table.AddTail(CGXRange().SetTable());
    const std::wstring rtf = NVorel::Grid2Rtf(grid, table, 20.0).GetString();
    ASSERT_TRUE(std::all_of(rtf.begin(), rtf.end(), [](wchar_t ch) { return ch < 128; }));

    testsupport::TempDir dir;
    std::ofstream(dir.file("beams.rtf"), std::ios::binary) << std::string(rtf.begin(), rtf.end());
    const std::string command = "timeout 300 soffice -env:UserInstallation=file://" +
                                (dir.path() / "profile").string() + " --headless --convert-to html --outdir " +
                                dir.path().string() + " " + dir.file("beams.rtf").string() + " >/dev/null 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    // The titles: "Beam" and "Note" over both header rows, "Section" over b and h.
    EXPECT_EQ(tableOf(testsupport::readFile(dir.file("beams.html"))),
              "[Beam]* rowspan=2[Section]* colspan=2[Note]* rowspan=2\n"
              "[b]*[h]*\n"
              "[B1][300][600][{\\x}]\n"
              "[B2][250][500][m\u00B2]\n"
              "[B3][300][750][a\nb]\n"
              "[B4][200][400][\u00D8 \U0001D11E]\n");
}
