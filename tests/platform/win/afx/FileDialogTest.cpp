#include "support/TempDir.h"
#include "win/Afx.h"

#include <gtest/gtest.h>

#include <fstream>

using platform::PromptKind;
using platform::user;

namespace {

constexpr const wchar_t* csvFilter = L"CSV files (*.csv)|*.csv|All files (*.*)|*.*||";

void writeFile(const std::filesystem::path& p, const std::string& text)
{
    std::ofstream(p) << text;
}

} // namespace

TEST(FileDialog, SaveAddsTheDefaultExtensionAndOffersTheFilter)
{
    testsupport::TempDir dir;
    user().saveFileAs(CString(dir.prefix().c_str()) + L"table");
    CFileDialog dlg(FALSE, L".csv", nullptr, OFN_OVERWRITEPROMPT, csvFilter);
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.GetPathName(), CString(dir.prefix().c_str()) + L"table.csv");
    EXPECT_EQ(dlg.GetFileName(), L"table.csv");
    EXPECT_EQ(dlg.GetFileExt(), L"csv");
    EXPECT_EQ(dlg.GetFileTitle(), L"table");
    ASSERT_EQ(user().prompts().size(), 1u);
    EXPECT_EQ(user().prompts()[0].kind, PromptKind::SaveFile);
    EXPECT_EQ(user().prompts()[0].text, csvFilter);

    // A name with an extension keeps it; a default extension without its dot works alike.
    user().saveFileAs(CString(dir.prefix().c_str()) + L"notes.txt");
    CFileDialog other(FALSE, L"csv", nullptr, 0, csvFilter);
    ASSERT_EQ(other.DoModal(), IDOK);
    EXPECT_EQ(other.GetFileName(), L"notes.txt");
}

TEST(FileDialog, OverwriteIsAskedBeforeAndRefusingItChoosesNothing)
{
    testsupport::TempDir dir;
    writeFile(dir.file("table.csv"), "old");
    const CString path = CString(dir.prefix().c_str()) + L"table.csv";

    // Refused, and no other name given: cancelled.
    user().saveFileAs(path);
    user().confirm(false);
    CFileDialog refused(FALSE, L".csv", nullptr, OFN_OVERWRITEPROMPT, csvFilter);
    EXPECT_EQ(refused.DoModal(), IDCANCEL);
    ASSERT_EQ(user().prompts().size(), 3u);
    EXPECT_EQ(user().prompts()[1].kind, PromptKind::Confirm);
    EXPECT_EQ(user().prompts()[1].text, L"table.csv already exists.\nDo you want to replace it?");
    EXPECT_EQ(user().prompts()[2].kind, PromptKind::SaveFile); // asked again

    // Refused, then another name: that one.
    user().reset();
    user().saveFileAs(path);
    user().confirm(false);
    user().saveFileAs(CString(dir.prefix().c_str()) + L"fresh");
    CFileDialog second(FALSE, L".csv", nullptr, OFN_OVERWRITEPROMPT, csvFilter);
    ASSERT_EQ(second.DoModal(), IDOK);
    EXPECT_EQ(second.GetFileName(), L"fresh.csv");

    // Confirmed: the existing file is chosen.
    user().saveFileAs(path);
    user().confirm(true);
    CFileDialog confirmed(FALSE, L".csv", nullptr, OFN_OVERWRITEPROMPT, csvFilter);
    ASSERT_EQ(confirmed.DoModal(), IDOK);
    EXPECT_EQ(confirmed.GetPathName(), path);

    // Without the flag nobody is asked.
    user().reset();
    user().saveFileAs(path);
    CFileDialog unasked(FALSE, L".csv", nullptr, 0, csvFilter);
    ASSERT_EQ(unasked.DoModal(), IDOK);
    EXPECT_EQ(user().prompts().size(), 1u);
}

TEST(FileDialog, UnansweredOrMismatchedDialogsCancel)
{
    testsupport::TempDir dir;
    writeFile(dir.file("in.csv"), "x");
    const CString existing = CString(dir.prefix().c_str()) + L"in.csv";

    CFileDialog save(FALSE, L".csv", nullptr, OFN_OVERWRITEPROMPT, csvFilter);
    EXPECT_EQ(save.DoModal(), IDCANCEL);
    EXPECT_EQ(save.GetPathName(), L"");
    // An answer for an open dialog does not fit a save dialog; it stays waiting.
    user().openFile(existing);
    EXPECT_EQ(save.DoModal(), IDCANCEL);
    EXPECT_EQ(user().waitingAnswers(), 1u);

    CFileDialog open(TRUE, nullptr, nullptr, OFN_FILEMUSTEXIST, csvFilter);
    ASSERT_EQ(open.DoModal(), IDOK);
    EXPECT_EQ(open.GetPathName(), existing);
    user().openFile(CString(dir.prefix().c_str()) + L"missing.csv");
    EXPECT_EQ(open.DoModal(), IDCANCEL);

    // The Win32 call refuses a name longer than its buffer.
    wchar_t small[8] = L"";
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.lpstrFile = small;
    ofn.nMaxFile = 8;
    user().saveFileAs(L"/tmp/a-long-name.csv");
    EXPECT_FALSE(GetSaveFileNameW(&ofn));
    EXPECT_EQ(CommDlgExtendedError(), (DWORD)FNERR_BUFFERTOOSMALL);
}

TEST(ColorDialog, StartsWithTheInitialColourAndReturnsThePickedOne)
{
    CColorDialog dlg(RGB(255, 128, 0));
    user().pickColour(RGB(10, 20, 30));
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.GetColor(), RGB(10, 20, 30));
    ASSERT_EQ(user().prompts().size(), 1u);
    EXPECT_EQ(user().prompts()[0].kind, PromptKind::Colour);
    EXPECT_EQ(user().prompts()[0].text, L"#FF8000");

    // Cancelled: the colour stays.
    CColorDialog cancelled(RGB(1, 2, 3));
    user().cancel();
    EXPECT_EQ(cancelled.DoModal(), IDCANCEL);
    EXPECT_EQ(cancelled.GetColor(), RGB(1, 2, 3));
    EXPECT_EQ(user().waitingAnswers(), 0u);
}
