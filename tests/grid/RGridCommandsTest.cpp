// The CSV export: what the record grid adds to the grid control's copy text
// (whose quoting of hard cells the control's own tests check): the ";"
// separator, UTF-8 after a byte-order mark, the save dialog, the overwrite
// prompt and the report of a file that cannot be written.
#include "BeamGrid.h"

#include "support/Files.h"
#include "support/TempDir.h"
#include "win/user/Clipboard.h"

#include <fstream>
#include <optional>

namespace {

class CsvExport : public RecordGrid {
protected:
    CsvExport() { platform::user().reset(); }
    ~CsvExport() override { platform::user().reset(); }

    // The user saves under this name and answers the overwrite prompt, if told to.
    void exportAs(const std::filesystem::path& path, std::optional<bool> replace = {})
    {
        platform::user().saveFileAs(CString(path.wstring().c_str()));
        if (replace)
            platform::user().confirm(*replace);
        grid.SendMessage(WM_COMMAND, 39950);
    }
    // The prompts so far, one a line: "save", "confirm", or a message's text.
    std::string prompts()
    {
        std::string s;
        for (const platform::Prompt& p : platform::user().prompts())
            s += p.kind == platform::PromptKind::SaveFile  ? "save\n"
                 : p.kind == platform::PromptKind::Confirm ? "confirm\n"
                                                           : toUtf8(p.text.str()) + "\n";
        return s;
    }

    CDynLinkLibrary language{englishModule()};
    testsupport::TempDir dir;
};

} // namespace

TEST_F(CsvExport, CancellingTheSaveDialogWritesNothing)
{
    grid.SendMessage(WM_COMMAND, 39950);
    EXPECT_EQ(prompts(), "save\n");
    EXPECT_EQ(platform::user().prompts()[0].text, L"CSV files (*.csv)|*.csv|All files (*.*)|*.*||");
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

TEST_F(CsvExport, AnExistingFileIsReplacedOnlyWhenTheUserSaysSo)
{
    const std::filesystem::path path = dir.file("beams.csv");
    std::ofstream(path) << "kept";
    exportAs(dir.file("beams"), false); // the dialog adds ".csv"
    // Refused, the dialog asks again; nobody answers.
    EXPECT_EQ(prompts(), "save\nconfirm\nsave\n");
    EXPECT_EQ(testsupport::readFile(path), "kept");

    // The whole table in UTF-8 after a byte-order mark; ";" between the cells,
    // and a cell holding one in quotes.
    grid.describe(true);
    grid.m_beams[0].note = L"a;\"b\"";
    grid.m_beams[1].note = L"\u00d8 20";
    exportAs(path, true);
    EXPECT_EQ(testsupport::readFile(path), "\xEF\xBB\xBF"
                                           "Beam;Section;;Note\r\n"
                                           ";b;h;\r\n"
                                           "B1;300;600;\"a;\"\"b\"\"\"\r\n"
                                           "B2;250;500;\xc3\x98 20\r\n"
                                           "B3;300;750;internal\r\n"
                                           "B4;200;400;roof\r\n");
    // The grid's own separator is back: copying uses tabs.
    grid.SelectRange(CGXRange().SetRows(3));
    grid.SendMessage(WM_COMMAND, 57634);
    EXPECT_EQ(platform::ClipboardText(), L"B2\t250\t500\t\u00d8 20\r\n");
}

TEST_F(CsvExport, AFileThatCannotBeMadeIsReportedAndTheGridGoesOnAsBefore)
{
    std::ofstream(dir.file("plain.txt")) << "x";
    const std::filesystem::path noFolder = dir.file("no") / "beams.csv";
    const std::filesystem::path underFile = dir.file("plain.txt") / "beams.csv";
    exportAs(noFolder);
    exportAs(underFile);
    EXPECT_EQ(prompts(), "save\n" + noFolder.string() + " contains an invalid path.\nsave\n" + underFile.string() +
                             " contains an invalid path.\n");
    EXPECT_FALSE(std::filesystem::exists(dir.file("no")));
    EXPECT_EQ(testsupport::readFile(dir.file("plain.txt")), "x");

    // Writing itself fails on a full device (a link to /dev/full stands for one).
    const std::filesystem::path full = dir.file("full.csv");
    std::filesystem::create_symlink("/dev/full", full);
    exportAs(full, true);
    EXPECT_EQ(toUtf8(platform::user().prompts().back().text.str()), "Disk full while accessing " + full.string() + ".");
    EXPECT_EQ(grid.m_sCellSep, L"\t");
}
