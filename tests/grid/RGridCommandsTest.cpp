#include "BeamGrid.h"

#include "support/TempDir.h"
#include "win/user/Clipboard.h"

#include <fstream>
#include <sstream>

using platform::desktop;
using platform::MouseButton;
using platform::PromptKind;
using platform::user;

namespace {

using Table = std::vector<std::vector<std::string>>;

std::string contents(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// A reader of delimited text as RFC 4180 describes it, written from the RFC
// rather than from the writer: fields are separated by `sep`, records end in
// CRLF; a field in double quotes holds anything, two quotes standing for one.
Table readDelimited(const std::string& text, char sep)
{
    Table rows(1, std::vector<std::string>(1));
    bool quoted = false;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        std::string& field = rows.back().back();
        if (quoted && c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
            field += '"';
            ++i;
        } else if (c == '"' && (quoted || field.empty())) {
            quoted = !quoted;
        } else if (quoted) {
            field += c;
        } else if (c == sep) {
            rows.back().emplace_back();
        } else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            rows.emplace_back(1);
            ++i;
        } else {
            field += c;
        }
    }
    rows.pop_back(); // what follows the last line end
    return rows;
}

std::string utf8(const std::wstring& s)
{
    return toUtf8(s);
}

const std::string bom = "\xEF\xBB\xBF";

class CsvExport : public RecordGrid {
protected:
    void SetUp() override
    {
        RecordGrid::SetUp();
        user().reset();
    }
    void TearDown() override { user().reset(); }

    // The user saves under this name from the grid's context menu.
    void exportFromMenu(const std::filesystem::path& path)
    {
        grid.setContextMenu(true);
        user().chooseMenuCommand(39950);
        user().saveFileAs(CString(path.wstring().c_str()));
        clickCell(2, 1, MouseButton::Right);
    }
    std::vector<PromptKind> promptKinds()
    {
        std::vector<PromptKind> kinds;
        for (const platform::Prompt& p : user().prompts())
            kinds.push_back(p.kind);
        return kinds;
    }
    Table copied()
    {
        return readDelimited(utf8(platform::ClipboardText().str()), '\t');
    }

    HostResources resources;
    testsupport::TempDir dir;
};

} // namespace

TEST_F(CsvExport, CancellingTheSaveDialogWritesNothing)
{
    grid.SendMessage(WM_COMMAND, 39950);
    ASSERT_EQ(user().prompts().size(), 1u);
    EXPECT_EQ(user().prompts()[0].kind, PromptKind::SaveFile);
    EXPECT_EQ(user().prompts()[0].text, L"CSV files (*.csv)|*.csv|All files (*.*)|*.*||");
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

TEST_F(CsvExport, TheFileHoldsTheWholeTableInUtf8WithAByteOrderMark)
{
    grid.describe(true);
    exportFromMenu(dir.file("beams")); // the dialog adds ".csv"
    EXPECT_EQ(contents(dir.file("beams.csv")), bom + "Beam;Section;;Note\r\n"
                                                     ";b;h;\r\n"
                                                     "B1;300;600;internal\r\n"
                                                     "B2;250;500;edge\r\n"
                                                     "B3;300;750;internal\r\n"
                                                     "B4;200;400;roof\r\n");
    // The grid's own separator is back: copying uses tabs.
    EXPECT_EQ(grid.m_sCellSep, L"\t");
    grid.SelectRange(CGXRange().SetTable(), FALSE);
    grid.SelectRange(CGXRange().SetRows(3));
    grid.SendMessage(WM_COMMAND, 57634);
    EXPECT_EQ(platform::ClipboardText(), L"B2\t250\t500\tedge\r\n");
}

TEST_F(CsvExport, AnExistingFileIsReplacedOnlyWhenTheUserSaysSo)
{
    const std::filesystem::path path = dir.file("beams.csv");
    std::ofstream(path) << "kept";
    user().saveFileAs(CString(path.wstring().c_str()));
    user().confirm(false);
    grid.SendMessage(WM_COMMAND, 39950);
    // Refused, the dialog asks again; nobody answers.
    EXPECT_EQ(promptKinds(), (std::vector<PromptKind>{PromptKind::SaveFile, PromptKind::Confirm, PromptKind::SaveFile}));
    EXPECT_EQ(contents(path), "kept");

    user().saveFileAs(CString(path.wstring().c_str()));
    user().confirm(true);
    grid.SendMessage(WM_COMMAND, 39950);
    EXPECT_EQ(contents(path).substr(0, 24), bom + "Beam;b;h;Note\r\nB1;300");
}

TEST_F(CsvExport, HardCellsAreQuotedAndAReaderGetsEveryCellBack)
{
    grid.m_beams[0] = {L"B1;a", L"300", L"600", L"say \"hi\""};
    grid.m_beams[1] = {L"B2", L"25\r\n0", L"m\u00b2", L"\u00d8 20"};
    grid.m_beams[2].note = L"line\nbreak";
    grid.m_beams[3].note = L"\"";
    user().saveFileAs(CString(dir.file("hard.csv").wstring().c_str()));
    grid.SendMessage(WM_COMMAND, 39950);
    const std::string file = contents(dir.file("hard.csv"));
    EXPECT_EQ(file, bom + "Beam;b;h;Note\r\n"
                          "\"B1;a\";300;600;\"say \"\"hi\"\"\"\r\n"
                          "B2;\"25\r\n0\";m\xc2\xb2;\xc3\x98 20\r\n"
                          "B3;300;750;\"line\nbreak\"\r\n"
                          "B4;200;400;\"\"\"\"\r\n");

    Table expected{{"Beam", "b", "h", "Note"}};
    for (const Beam& b : grid.m_beams)
        expected.push_back({utf8(b.name), utf8(b.b), utf8(b.h), utf8(b.note)});
    EXPECT_EQ(readDelimited(file.substr(bom.size()), ';'), expected);

    // The clipboard: tab-separated by the same rules.
    grid.SendMessage(WM_COMMAND, 57642);
    grid.SendMessage(WM_COMMAND, 57634);
    EXPECT_EQ(copied(), expected);
}

TEST_F(CsvExport, AFileThatCannotBeMadeIsReportedAndTheGridGoesOnAsBefore)
{
    const std::filesystem::path noFolder = dir.file("no") / "such" / "beams.csv";
    std::ofstream(dir.file("plain.txt")) << "x";
    const std::filesystem::path underFile = dir.file("plain.txt") / "beams.csv";
    CString seen;
    user().saveFileAs(CString(noFolder.wstring().c_str()));
    user().answerMessage(IDOK, [&](HWND box) { seen = CString(L"shown"); EXPECT_TRUE(IsWindowVisible(box)); });
    user().saveFileAs(CString(underFile.wstring().c_str()));
    grid.SendMessage(WM_COMMAND, 39950);
    grid.SendMessage(WM_COMMAND, 39950);

    EXPECT_EQ(seen, L"shown");
    EXPECT_EQ(promptKinds(), (std::vector<PromptKind>{PromptKind::SaveFile, PromptKind::Message, PromptKind::SaveFile,
                                                      PromptKind::Message}));
    EXPECT_EQ(user().prompts()[1].text, CString((noFolder.wstring() + L" contains an invalid path.").c_str()));
    EXPECT_EQ(user().prompts()[3].text, CString((underFile.wstring() + L" contains an invalid path.").c_str()));
    EXPECT_FALSE(std::filesystem::exists(dir.file("no")));
    EXPECT_EQ(contents(dir.file("plain.txt")), "x");
    EXPECT_EQ(grid.m_sCellSep, L"\t");

    // A file on a full device takes nothing (a link to /dev/full stands for it).
    const std::filesystem::path full = dir.file("full.csv");
    std::error_code ec;
    std::filesystem::create_symlink("/dev/full", full, ec);
    if (!ec) {
        user().saveFileAs(CString(full.wstring().c_str()));
        user().confirm(true);
        grid.SendMessage(WM_COMMAND, 39950);
        EXPECT_EQ(user().prompts().back().kind, PromptKind::Message);
        EXPECT_EQ(user().prompts().back().text, CString((L"Disk full while accessing " + full.wstring() + L".").c_str()));
    }
    grid.SendMessage(WM_COMMAND, 57642);
    grid.SendMessage(WM_COMMAND, 57634);
    EXPECT_EQ(copied().size(), 5u);
    EXPECT_EQ(grid.m_sCellSep, L"\t");
}
