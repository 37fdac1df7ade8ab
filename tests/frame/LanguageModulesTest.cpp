#include "support/TempDir.h"
#include "win/Afx.h"

#include <gtest/gtest.h>

#include <map>

// Each language module carries every resource the library loads from it.
class LanguageModules : public ::testing::TestWithParam<const char*> {};

TEST_P(LanguageModules, CarryTheLibrarysStringsMenusAndDialogs)
{
    const HMODULE h = LoadLibraryW(testsupport::languageModule(GetParam()).wstring().c_str());
    ASSERT_NE(h, nullptr);
    for (UINT id : {39951u, 39952u, 39955u, 39956u, 39957u, 39958u}) {
        const wchar_t* s = FindStringResource(h, id);
        EXPECT_TRUE(s && *s) << id;
    }
    // The file dialog's filter: pairs separated by '|', ending "||".
    const CString filter = FindStringResource(h, 39951);
    EXPECT_GT(filter.Find(L"*.csv"), 0);
    EXPECT_EQ(filter.Right(2), L"||");

    // The commands of each context menu's submenu, separators left out.
    for (const auto& [menu, commands] : std::map<UINT, std::vector<UINT>>{
             {480, {57642, 57634, 39950}}, {481, {39953, 39954, 39959, 39960, 39956, 39957, 39961, 39958}}}) {
        const winres::MenuResource* m = FindMenuResource(h, menu);
        ASSERT_TRUE(m && !m->items.empty() && (m->items[0].flags & MF_POPUP)) << menu;
        std::vector<UINT> ids;
        for (size_t i = 1; i < m->items.size() && m->items[i].depth > 0; ++i)
            if (!(m->items[i].flags & MF_SEPARATOR)) ids.push_back(m->items[i].id);
        EXPECT_EQ(ids, commands) << menu;
    }

    // The message dialog: the controls it drives, each inside it.
    const winres::DialogResource* d = FindDialogResource(h, 113);
    ASSERT_NE(d, nullptr);
    std::map<UINT, const winres::DialogItemResource*> items;
    for (const auto& item : d->items) {
        items[item.id] = &item;
        EXPECT_LE(item.x + item.cx, d->cx) << item.id;
        EXPECT_LE(item.y + item.cy, d->cy) << item.id;
    }
    const std::map<UINT, const wchar_t*> classes{
        {1, WC_BUTTON}, {114, WC_LISTBOX}, {1010, PROGRESS_CLASS}, {1011, WC_STATIC}, {1012, WC_BUTTON}};
    for (const auto& [id, cls] : classes) {
        ASSERT_TRUE(items.count(id)) << id;
        EXPECT_STREQ(items[id]->className, cls);
    }
    EXPECT_EQ(items[114]->style & (LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS),
              (DWORD)(LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS));
    // The popup label's: a bare child.
    const winres::DialogResource* label = FindDialogResource(h, 115);
    ASSERT_NE(label, nullptr);
    EXPECT_TRUE(label->style & WS_CHILD);
    EXPECT_FALSE(label->style & (WS_CAPTION | WS_BORDER | WS_DLGFRAME | WS_VISIBLE));
    FreeLibrary(h);
}

INSTANTIATE_TEST_SUITE_P(EnglishAndGerman, LanguageModules, ::testing::Values("048", "049"));
