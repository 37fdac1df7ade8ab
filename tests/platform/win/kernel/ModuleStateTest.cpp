#include "support/TempDir.h"
#include "win/Afx.h"

#include <gtest/gtest.h>

namespace {

constexpr winres::StringResource appStrings[] = {{1, L"app one"}, {39952, L"app colour"}};
constexpr winres::ResourceTable appTable{appStrings, {}, {}, {}};

CString loaded(UINT id)
{
    CString s;
    return s.LoadString(id) ? s : CString(L"none");
}

} // namespace

TEST(ModuleState, CurrentHandleFirstThenTheChainThenCurrentAgain)
{
    // It starts on the application module, the null module, which serves the host's own resources.
    EXPECT_EQ(AfxGetResourceHandle(), GetModuleHandleW(nullptr));
    EXPECT_EQ(AfxGetInstanceHandle(), GetModuleHandleW(nullptr));
    HMODULE app = platform::RegisterApplicationModule(&appTable);
    EXPECT_EQ(GetModuleHandleW(nullptr), app);
    EXPECT_EQ(loaded(1), L"app one");
    wchar_t file[256];
    EXPECT_GT(GetModuleFileNameW(nullptr, file, 256), 0u);
    HMODULE lang = LoadLibraryW(testsupport::languageModule("048").wstring().c_str());
    ASSERT_NE(lang, nullptr);
    AfxSetResourceHandle(app);

    // Not in the application, no chain yet: the current handle, where it is missing.
    EXPECT_EQ(AfxFindResourceHandle(MAKEINTRESOURCEW(480), RT_MENU), app);
    {
        CDynLinkLibrary entry(lang);
        EXPECT_EQ(AfxFindResourceHandle(MAKEINTRESOURCEW(480), RT_MENU), lang);
        // The current handle wins over the chain when both have the id.
        EXPECT_EQ(loaded(39952), L"app colour");
        EXPECT_EQ(loaded(39955), L"Spacing");
    }

    AfxSetResourceHandle(lang);
    EXPECT_EQ(loaded(39952), L"Colour");
    FreeLibrary(lang);
    // The handle is stale now: lookups through it fail instead of crashing.
    EXPECT_EQ(loaded(39955), L"none");
}
