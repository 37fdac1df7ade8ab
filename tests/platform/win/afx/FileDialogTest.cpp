#include "support/Prompts.h"
#include "support/TempDir.h"
#include "win/Afx.h"

#include <gtest/gtest.h>

#include <fstream>

using platform::user;
using testsupport::asked;

namespace {

constexpr const wchar_t* csvFilter = L"CSV files (*.csv)|*.csv|All files (*.*)|*.*||";
const std::wstring savePrompt = std::wstring(L"save: ") + csvFilter + L"\n";

// The path a save dialog for CSV files chose, or "cancelled".
CString saved(DWORD flags, LPCWSTR defExt = L".csv")
{
    CFileDialog dlg(FALSE, defExt, nullptr, flags, csvFilter);
    return dlg.DoModal() == IDOK ? dlg.GetPathName() : CString(L"cancelled");
}

} // namespace

TEST(FileDialog, SaveAddsTheDefaultExtensionAndAsksBeforeReplacingTheFileOfThatName)
{
    testsupport::TempDir dir;
    const CString folder(dir.prefix().c_str()), path = folder + L"table.csv";
    const std::wstring question = L"confirm: table.csv already exists.\nDo you want to replace it?\n";
    user().saveFileAs(folder + L"table");
    CFileDialog dlg(FALSE, L".csv", nullptr, OFN_OVERWRITEPROMPT, csvFilter);
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.GetPathName(), path);
    EXPECT_EQ(dlg.GetFileName() + L" " + dlg.GetFileTitle() + L" " + dlg.GetFileExt(), L"table.csv table csv");
    // A default extension without its dot works alike; a name with an extension keeps it, and
    // without OFN_OVERWRITEPROMPT nobody is asked about a file that exists.
    std::ofstream(dir.file("table.csv")) << "old";
    std::ofstream(dir.file("notes.txt")) << "old";
    user().saveFileAs(folder + L"plan");
    EXPECT_EQ(saved(0, L"csv"), folder + L"plan.csv");
    user().saveFileAs(folder + L"notes.txt");
    EXPECT_EQ(saved(0), folder + L"notes.txt");
    EXPECT_EQ(asked(), savePrompt + savePrompt + savePrompt);

    // Typed without its extension, the name is the existing file's all the same. Refused
    // and no other name given: cancelled.
    user().saveFileAs(folder + L"table");
    user().confirm(false);
    EXPECT_EQ(saved(OFN_OVERWRITEPROMPT), L"cancelled");
    EXPECT_EQ(asked(), savePrompt + question + savePrompt);
    // Refused, then another name: that one. Confirmed: the existing file.
    user().saveFileAs(path);
    user().confirm(false);
    user().saveFileAs(folder + L"fresh");
    EXPECT_EQ(saved(OFN_OVERWRITEPROMPT), folder + L"fresh.csv");
    user().saveFileAs(path);
    user().confirm(true);
    EXPECT_EQ(saved(OFN_OVERWRITEPROMPT), path);
    EXPECT_EQ(asked(), savePrompt + question + savePrompt + savePrompt + question);
}

TEST(FileDialog, UnansweredOrMismatchedDialogsCancel)
{
    testsupport::TempDir dir;
    std::ofstream(dir.file("in.csv")) << "x";
    const CString folder(dir.prefix().c_str());

    CFileDialog save(FALSE, L".csv", nullptr, OFN_OVERWRITEPROMPT, csvFilter);
    EXPECT_EQ(save.DoModal(), IDCANCEL);
    EXPECT_EQ(save.GetPathName(), L"");
    // An answer for an open dialog does not fit a save dialog; it stays waiting.
    user().openFile(folder + L"in");
    EXPECT_EQ(save.DoModal(), IDCANCEL);
    EXPECT_EQ(user().waitingAnswers(), 1u);

    // The file must exist under the name it gets, with the default extension.
    CFileDialog open(TRUE, L".csv", nullptr, OFN_FILEMUSTEXIST, csvFilter);
    ASSERT_EQ(open.DoModal(), IDOK);
    EXPECT_EQ(open.GetPathName(), folder + L"in.csv");
    user().openFile(folder + L"missing.csv");
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
