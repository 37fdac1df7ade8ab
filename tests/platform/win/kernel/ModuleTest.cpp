#include "support/Files.h"
#include "support/TempDir.h"
#include "win/Afx.h"

#include <gtest/gtest.h>

#include <fstream>

using testsupport::TempDir;

namespace {

CString moduleFile(HMODULE h)
{
    wchar_t buf[1024];
    return GetModuleFileNameW(h, buf, 1024) ? CString(buf) : CString();
}

const std::filesystem::path english = testsupport::languageModule("048");

} // namespace

TEST(LoadLibrary, ABareNameInTheWorkingFolderOrAPathLoadsThatFileAndItsResourcesOnce)
{
    TempDir dir;
    testsupport::copyFile(english, dir.file("mod.dll"));
    const std::wstring path = dir.path().wstring() + L"/mod.dll";
    HMODULE h;
    {
        testsupport::WorkingDir cwd(dir.path());
        h = LoadLibraryW(L"mod.dll");
        ASSERT_NE(h, nullptr);
    }
    EXPECT_EQ(moduleFile(h), path.c_str());
    EXPECT_NE(FindResourceW(h, MAKEINTRESOURCEW(480), RT_MENU), nullptr);
    EXPECT_EQ(FindResourceW(h, MAKEINTRESOURCEW(999), RT_MENU), nullptr);
    // Loaded again, by its path or by the bare name wherever the working folder is (names match without
    // case), it is the same module with one more reference.
    EXPECT_EQ(LoadLibraryW(path.c_str()), h);
    EXPECT_EQ(LoadLibraryW(L"MOD.DLL"), h);
    EXPECT_EQ(GetModuleHandleW(L"Mod.dll"), h);
    EXPECT_EQ(platform::ModuleLoadCount(h), 3);
    EXPECT_TRUE(FreeLibrary(h));
    EXPECT_TRUE(FreeLibrary(h));
    EXPECT_NE(FindStringResource(h, 39952), nullptr);
    EXPECT_TRUE(FreeLibrary(h));

    // Unloaded: the handle is stale and every lookup through it finds nothing.
    EXPECT_EQ(FindStringResource(h, 39952), nullptr);
    EXPECT_EQ(GetModuleHandleW(L"mod.dll"), nullptr);
    EXPECT_EQ(LoadLibraryW(L"mod.dll"), nullptr);
    EXPECT_FALSE(FreeLibrary(h));
    EXPECT_EQ(GetLastError(), (DWORD)ERROR_INVALID_HANDLE);
}

TEST(LoadLibrary, BadFilesGiveNullAndChangeNothing)
{
    TempDir dir;
    std::ofstream(dir.file("text.dll")) << "this is not a shared object";
    const std::wstring text = dir.path().wstring() + L"/text.dll";
    const std::wstring missing = dir.path().wstring() + L"/missing.dll";
    const std::wstring noTable = std::filesystem::path(VOREL_TEST_FIXTURES "/no_resources.dll").wstring();

    EXPECT_EQ(LoadLibraryW(missing.c_str()), nullptr);
    EXPECT_EQ(GetLastError(), (DWORD)ERROR_MOD_NOT_FOUND);
    EXPECT_EQ(LoadLibraryW(text.c_str()), nullptr);
    EXPECT_EQ(GetLastError(), (DWORD)ERROR_BAD_EXE_FORMAT);
    EXPECT_EQ(LoadLibraryW(noTable.c_str()), nullptr);
    EXPECT_EQ(GetLastError(), (DWORD)ERROR_RESOURCE_DATA_NOT_FOUND);
    EXPECT_EQ(LoadLibraryW(L""), nullptr);
    EXPECT_EQ(LoadLibraryW(nullptr), nullptr);
    EXPECT_EQ(GetModuleHandleW(L"no_resources.dll"), nullptr);
}

// An interrupted copy: the loader would map the missing part and the process
// would die touching it.
TEST(LoadLibrary, AModuleCutShortIsRefusedAsADamagedImage)
{
    TempDir dir;
    const std::string whole = testsupport::readFile(english);
    ASSERT_GT(whole.size(), 8192u);
    for (size_t cut : {size_t(64), size_t(4096), whole.size() / 2, whole.size() - 1}) {
        const std::filesystem::path file = dir.file("cut_" + std::to_string(cut) + ".dll");
        std::ofstream(file, std::ios::binary).write(whole.data(), (std::streamsize)cut);
        SetLastError(0);
        EXPECT_EQ(LoadLibraryW(file.wstring().c_str()), nullptr) << cut;
        EXPECT_EQ(GetLastError(), (DWORD)ERROR_BAD_EXE_FORMAT) << cut;
    }
    const std::filesystem::path copy = dir.file("whole.dll");
    std::ofstream(copy, std::ios::binary).write(whole.data(), (std::streamsize)whole.size());
    const HMODULE h = LoadLibraryW(copy.wstring().c_str());
    EXPECT_NE(h, nullptr);
    FreeLibrary(h);
}

TEST(LoadString, CopiesWithinTheBufferAndReportsMissingStrings)
{
    HMODULE h = LoadLibraryW(english.wstring().c_str());
    ASSERT_NE(h, nullptr);
    wchar_t buf[4] = {L'?', L'?', L'?', L'?'};
    EXPECT_EQ(LoadStringW(h, 39952, buf, 4), 3); // "Colour", cut to fit
    EXPECT_STREQ(buf, L"Col");
    EXPECT_EQ(LoadStringW(h, 12345, buf, 4), 0);
    EXPECT_STREQ(buf, L"");

    CString s;
    EXPECT_TRUE(s.LoadString(h, 39955));
    EXPECT_FALSE(s.LoadString(h, 12345));
    EXPECT_FALSE(s.LoadString(nullptr, 39955));
    EXPECT_EQ(s, L"Spacing"); // a failed load keeps the text
    FreeLibrary(h);
}
