#include "frame/ResourceSwitch.h"
#include "frame/Lang.h"
#include "frame/ModuleGlobals.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using namespace NVorel;

TEST(ResourceSwitch, KindTwoSelectsTheLanguageModuleOnlyWhenLoaded)
{
    const HINSTANCE before = AfxGetResourceHandle();
    for (int kind : {(int)CResourceSwitch::LANG_MODULE, 7}) { // nothing loaded; an unknown kind
        CResourceSwitch guard(kind);
        EXPECT_EQ(AfxGetResourceHandle(), before);
    }
    {
        CResourceSwitch guard(CResourceSwitch::OWN_MODULE);
        EXPECT_EQ(AfxGetResourceHandle(), GetModuleHandleW(L"vorel.dll"));
    }
    EXPECT_EQ(AfxGetResourceHandle(), before);
    setLangWork(48, testsupport::languageModule("048").parent_path().wstring().append(L"/").c_str());
    ASSERT_NE(getLangModule(), nullptr);
    {
        CResourceSwitch guard(CResourceSwitch::LANG_MODULE);
        CString s;
        EXPECT_TRUE(s.LoadString(39958));
        EXPECT_EQ(s, L"Visible");
    }
    EXPECT_EQ(AfxGetResourceHandle(), before);
}

TEST(ResourceSwitch, HandleFormSetsEvenNullAndRestoresExactlyWhatItSaved)
{
    const HINSTANCE before = AfxGetResourceHandle();
    {
        CResourceSwitch guard(getLangModule()); // null: nothing loaded
        EXPECT_EQ(AfxGetResourceHandle(), nullptr);
        CString s;
        EXPECT_FALSE(s.LoadString(39958)); // missing, not a crash
        {
            CResourceSwitch inner(CResourceSwitch::OWN_MODULE);
            // Changed inside the scope: the guard restores what it saved.
            AfxSetResourceHandle(GetModuleHandleW(nullptr));
        }
        EXPECT_EQ(AfxGetResourceHandle(), nullptr);
    }
    EXPECT_EQ(AfxGetResourceHandle(), before);
}

TEST(ModuleEntry, RecordsTheLibraryModule)
{
    EXPECT_EQ(g_hInstance, GetModuleHandleW(L"vorel.dll"));
    wchar_t path[1024];
    ASSERT_GT(GetModuleFileNameW(g_hInstance, path, 1024), 0u);
    EXPECT_GE(CString(path).Find(L"libvorel.so"), 0);
    // The library is not in the host's resource chain.
    EXPECT_TRUE(AfxGetModuleState()->m_libraryList.empty());
}
