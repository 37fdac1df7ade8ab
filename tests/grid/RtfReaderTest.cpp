// A real reader opens the exported table: LibreOffice Writer, headless, turns
// the RTF into HTML, whose table is read back here. Skipped where LibreOffice
// is not installed (scripts/install-check-deps.sh installs it).
#include "BeamGrid.h"

#include "grid/Grid2Rtf.h"
#include "support/Files.h"
#include "support/TempDir.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <regex>

namespace {

// The text of a cell as a browser shows it: tags dropped, runs of white space
// one space, <br/> a line break.
std::string cellText(const std::string& html)
{
    std::string text = std::regex_replace(html, std::regex("<(?!br/>)[^>]*>"), "");
    text = std::regex_replace(text, std::regex("\\s+"), " ");
    text = std::regex_replace(text, std::regex(" ?<br/> ?"), "\n");
    text = std::regex_replace(text, std::regex("^ | $"), "");
    for (auto [entity, ch] : {std::pair{"&amp;", "&"}, {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}})
        text = std::regex_replace(text, std::regex(entity), ch);
    return text;
}

// The tables of an HTML page, a line per row: each cell's text in brackets,
// "*" when it is bold, then its row and column spans.
std::string tableOf(const std::string& html)
{
    const std::regex row("<tr[^>]*>([\\s\\S]*?)</tr>"), cell("<td([^>]*)>([\\s\\S]*?)</td>"),
        span("(rowspan|colspan)=\"(\\d+)\"");
    const std::sregex_iterator end;
    std::string table;
    for (std::sregex_iterator r(html.begin(), html.end(), row); r != end; ++r) {
        const std::string cells = (*r)[1];
        for (std::sregex_iterator c(cells.begin(), cells.end(), cell); c != end; ++c) {
            const std::string tag = (*c)[1], inner = (*c)[2];
            table += "[" + cellText(inner) + "]" + (inner.find("<b>") != std::string::npos ? "*" : "");
            for (std::sregex_iterator s(tag.begin(), tag.end(), span); s != end; ++s)
                table += " " + (*s)[1].str() + "=" + (*s)[2].str();
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
