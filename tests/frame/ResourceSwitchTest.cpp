#include "frame/Lang.h"
#include "frame/ModuleGlobals.h"
#include "frame/ResourceSwitch.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using namespace NVorel;

TEST(ResourceSwitch, KindOneSelectsTheLibraryItself)
{
    const HINSTANCE before = AfxGetResourceHandle();
    {
        CResourceSwitch guard(CResourceSwitch::OWN_MODULE);
        EXPECT_EQ(AfxGetResourceHandle(), GetModuleHandleW(L"vorel.dll"));
    }
    EXPECT_EQ(AfxGetResourceHandle(), before);
}

TEST(ResourceSwitch, KindTwoSelectsTheLanguageModuleOnlyWhenLoaded)
{
    const HINSTANCE before = AfxGetResourceHandle();
    {
        CResourceSwitch guard(CResourceSwitch::LANG_MODULE);
        EXPECT_EQ(AfxGetResourceHandle(), before); // no language module yet
    }
    setLangWork(48, (std::filesystem::path(VOREL_LANG_DIR).wstring() + L"/").c_str());
    ASSERT_NE(getLangModule(), nullptr);
    {
        CResourceSwitch guard(CResourceSwitch::LANG_MODULE);
        EXPECT_EQ(AfxGetResourceHandle(), getLangModule());
        CString s;
        EXPECT_TRUE(s.LoadString(39958));
        EXPECT_EQ(s, L"Visible");
    }
    EXPECT_EQ(AfxGetResourceHandle(), before);
    {
        CResourceSwitch guard(7); // unknown kind
        EXPECT_EQ(AfxGetResourceHandle(), before);
    }
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
            // Someone changes the handle inside the scope; the guard still
            // restores what it saved, not what it set.
            AfxSetResourceHandle(GetModuleHandleW(nullptr));
        }
        EXPECT_EQ(AfxGetResourceHandle(), nullptr);
    }
    EXPECT_EQ(AfxGetResourceHandle(), before);
}

TEST(ModuleEntry, RecordsTheLibraryModule)
{
    EXPECT_NE(g_hInstance, nullptr);
    EXPECT_EQ(g_hInstance, GetModuleHandleW(L"vorel.dll"));
    wchar_t path[1024];
    ASSERT_GT(GetModuleFileNameW(g_hInstance, path, 1024), 0u);
    EXPECT_TRUE(CString(path).Find(L"libvorel.so") >= 0);
    // The library is not in the host's resource chain.
    EXPECT_TRUE(AfxGetModuleState()->m_libraryList.empty());
}
