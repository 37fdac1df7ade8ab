#include "support/TempDir.h"
#include "win/Afx.h"

#include <gtest/gtest.h>

#include <map>

namespace {

class LanguageModules : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override
    {
        h = LoadLibraryW(testsupport::languageModule(GetParam()).wstring().c_str());
        ASSERT_NE(h, nullptr);
    }
    void TearDown() override { FreeLibrary(h); }

    // The command ids of a menu's first submenu, in order, separators left out.
    std::vector<UINT> firstSubmenuCommands(UINT menuId) const
    {
        const winres::MenuResource* m = FindMenuResource(h, menuId);
        std::vector<UINT> ids;
        if (!m || m->items.empty() || !(m->items[0].flags & MF_POPUP)) return ids;
        for (size_t i = 1; i < m->items.size() && m->items[i].depth > 0; ++i)
            if (!(m->items[i].flags & MF_SEPARATOR)) ids.push_back(m->items[i].id);
        return ids;
    }

    HMODULE h = nullptr;
};

} // namespace

TEST_P(LanguageModules, CarryEveryStringTheLibraryLoads)
{
    for (UINT id : {39951u, 39952u, 39955u, 39956u, 39957u, 39958u}) {
        const wchar_t* s = FindStringResource(h, id);
        ASSERT_NE(s, nullptr) << id;
        EXPECT_GT(std::wcslen(s), 0u) << id;
    }
    // The filter is in the file dialog's format: pairs separated by '|', ending "||".
    const CString filter = FindStringResource(h, 39951);
    EXPECT_TRUE(filter.Find(L"*.csv") > 0);
    EXPECT_EQ(filter.Right(2), L"||");
}

TEST_P(LanguageModules, MenusHaveTheirCommandsInTheFirstSubmenu)
{
    EXPECT_EQ(firstSubmenuCommands(480), (std::vector<UINT>{57642, 57634, 39950}));
    EXPECT_EQ(firstSubmenuCommands(481),
              (std::vector<UINT>{39953, 39954, 39959, 39960, 39956, 39957, 39961, 39958}));
}

TEST_P(LanguageModules, MessageDialogAndPopupLabelTemplates)
{
    const winres::DialogResource* d = FindDialogResource(h, 113);
    ASSERT_NE(d, nullptr);
    std::map<UINT, const winres::DialogItemResource*> items;
    for (const auto& item : d->items) items[item.id] = &item;
    for (UINT id : {1u, 114u, 1010u, 1011u, 1012u}) ASSERT_TRUE(items.count(id)) << id;
    EXPECT_STREQ(items[114]->className, WC_LISTBOX);
    EXPECT_EQ(items[114]->style & (LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS),
              (DWORD)(LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS));
    EXPECT_STREQ(items[1010]->className, PROGRESS_CLASS);
    EXPECT_STREQ(items[1011]->className, WC_STATIC);
    EXPECT_STREQ(items[1012]->className, WC_BUTTON);
    EXPECT_STREQ(items[1]->className, WC_BUTTON);
    for (const auto& item : d->items) {
        // Every control lies inside the dialog.
        EXPECT_LE(item.x + item.cx, d->cx) << item.id;
        EXPECT_LE(item.y + item.cy, d->cy) << item.id;
    }

    const winres::DialogResource* label = FindDialogResource(h, 115);
    ASSERT_NE(label, nullptr);
    EXPECT_TRUE(label->style & WS_CHILD);
    EXPECT_FALSE(label->style & (WS_CAPTION | WS_BORDER | WS_DLGFRAME | WS_VISIBLE));
}

INSTANTIATE_TEST_SUITE_P(EnglishAndGerman, LanguageModules, ::testing::Values("048", "049"));
