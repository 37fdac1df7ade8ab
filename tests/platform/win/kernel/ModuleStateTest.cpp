#include "support/TempDir.h"
#include "win/Afx.h"

#include <gtest/gtest.h>

namespace {

constexpr winres::StringResource appStrings[] = {{1, L"app one"}, {39952, L"app colour"}};
constexpr winres::ResourceTable appTable{appStrings, {}, {}, {}};

struct ResourceHandleRestorer {
    HINSTANCE saved = AfxGetResourceHandle();
    ~ResourceHandleRestorer() { AfxSetResourceHandle(saved); }
};

} // namespace

TEST(ModuleState, StartsOnTheApplicationModule)
{
    EXPECT_EQ(AfxGetResourceHandle(), GetModuleHandleW(nullptr));
    EXPECT_EQ(AfxGetInstanceHandle(), GetModuleHandleW(nullptr));
}

TEST(ModuleState, CurrentHandleFirstThenTheChainThenCurrentAgain)
{
    ResourceHandleRestorer restore;
    HMODULE app = platform::RegisterApplicationModule(&appTable);
    HMODULE lang = LoadLibraryW(testsupport::languageModule("048").wstring().c_str());
    ASSERT_NE(lang, nullptr);
    AfxSetResourceHandle(app);

    // Not in the application, no chain yet: the current handle, where it is missing.
    EXPECT_EQ(AfxFindResourceHandle(MAKEINTRESOURCEW(480), RT_MENU), app);
    {
        CDynLinkLibrary entry(lang);
        EXPECT_EQ(AfxFindResourceHandle(MAKEINTRESOURCEW(480), RT_MENU), lang);
        // The current handle wins over the chain when both have the id.
        CString s;
        EXPECT_TRUE(s.LoadString(39952));
        EXPECT_EQ(s, L"app colour");
        EXPECT_TRUE(s.LoadString(39955));
        EXPECT_EQ(s, L"Spacing");
    }
    // The chain entry is gone with its object.
    EXPECT_EQ(AfxFindResourceHandle(MAKEINTRESOURCEW(480), RT_MENU), app);

    AfxSetResourceHandle(lang);
    CString s;
    EXPECT_TRUE(s.LoadString(39952));
    EXPECT_EQ(s, L"Colour");
    FreeLibrary(lang);
    // The handle is stale now: lookups through it fail instead of crashing.
    EXPECT_FALSE(s.LoadString(39955));
}
