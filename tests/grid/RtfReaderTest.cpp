// A real reader opens the exported table: LibreOffice Writer, headless, turns
// the RTF into HTML, whose table is read back here. Skipped where LibreOffice
// is not installed (scripts/install-check-deps.sh installs it).
#include "BeamGrid.h"

#include "grid/Grid2Rtf.h"
#include "support/Files.h"
#include "support/TempDir.h"

#include <cstdlib>
#include <fstream>
#include <regex>

namespace {

// The table of an HTML page, a line per row: each cell's text as a browser
// shows it (white space one space, <br/> a line break) in brackets, "*" when
// it is bold, then its row or column span.
std::string tableOf(std::string html)
{
    html = std::regex_replace(std::regex_replace(html, std::regex("\\s+"), " "), std::regex(" ?<br/> ?"), "\n");
    const std::regex cell("<td( (?:row|col)span=\"\\d+\")?[^>]*>([\\s\\S]*?)</td>|</tr>"), tag("<[^>]*>"),
        edge("^ +| +$");
    std::string table;
    for (std::sregex_iterator c(html.begin(), html.end(), cell), end; c != end; ++c) {
        const std::string inner = (*c)[2], text = std::regex_replace(std::regex_replace(inner, tag, ""), edge, "");
        if ((*c)[0] == "</tr>")
            table += "\n";
        else
            table += "[" + text + (inner.find("<b>") != std::string::npos ? "]*" : "]") + (*c)[1].str();
    }
    return table;
}

} // namespace

TEST_F(RecordGrid, LibreOfficeReadsTheExportedTableWithItsMergesAndCharactersBack)
{
    if (std::system("command -v soffice >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "LibreOffice (soffice) is not installed; scripts/install-check-deps.sh installs it";

    grid.m_beams[0].note = L"{\\x} m\u00B2 \u00D8 \U0001D11E";
    grid.m_beams[1].note = L"a\nb";
    grid.describe(true);
    CGXRangeList table;
    table.AddTail(CGXRange().SetTable());
    const std::wstring rtf = NVorel::Grid2Rtf(grid, table, 20.0).GetString();

    testsupport::TempDir dir;
    std::ofstream(dir.file("beams.rtf"), std::ios::binary) << std::string(rtf.begin(), rtf.end());
    const std::string command = "timeout 300 soffice -env:UserInstallation=file://" +
                                (dir.path() / "profile").string() + " --headless --convert-to html --outdir " +
                                dir.path().string() + " " + dir.file("beams.rtf").string() + " >/dev/null 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    // The titles: "Beam" and "Note" over both header rows, "Section" over b and h.
    EXPECT_EQ(tableOf(testsupport::readFile(dir.file("beams.html"))),
              "[Beam]* rowspan=\"2\"[Section]* colspan=\"2\"[Note]* rowspan=\"2\"\n"
              "[b]*[h]*\n"
              "[B1][300][600][{\\x} m\u00B2 \u00D8 \U0001D11E]\n"
              "[B2][250][500][a\nb]\n"
              "[B3][300][750][internal]\n"
              "[B4][200][400][roof]\n");
}
