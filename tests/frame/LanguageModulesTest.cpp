#include "support/TempDir.h"
#include "win/Afx.h"

#include <gtest/gtest.h>

// Each language module carries every string the library loads from it. The
// menus and dialogs are laid out once for all languages (lang/Layout.h); the
// tests of the grids and the message dialog use them.
class LanguageModules : public ::testing::TestWithParam<const char*> {};

TEST_P(LanguageModules, CarryTheLibrarysStrings)
{
    const HMODULE h = LoadLibraryW(testsupport::languageModule(GetParam()).wstring().c_str());
    ASSERT_NE(h, nullptr);
    for (UINT id : {39951u, 39952u, 39955u, 39956u, 39957u, 39958u, 39962u, 39963u}) {
        const wchar_t* s = FindStringResource(h, id);
        EXPECT_TRUE(s && *s) << id;
    }
    // The file dialog's filter: pairs separated by '|', ending "||".
    const CString filter = FindStringResource(h, 39951);
    EXPECT_GT(filter.Find(L"*.csv"), 0);
    EXPECT_EQ(filter.Right(2), L"||");
    FreeLibrary(h);
}

INSTANTIATE_TEST_SUITE_P(EnglishAndGerman, LanguageModules, ::testing::Values("048", "049"));
