#include "gridctl/GXStyle.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

TEST(GXStyle, NumericValuesAreKeptAsDecimalTextAndReadBackAsAnyType)
{
    CGXStyle s;
    EXPECT_EQ(s.SetValue((DWORD)0x00FF8040).GetValue(), L"16744512");
    EXPECT_EQ(s.GetDWordValue(), 0x00FF8040u);
    EXPECT_EQ(s.SetValue((short)-5).GetValue(), L"-5");
    // As a DWORD, the 32-bit pattern of -5.
    EXPECT_EQ(std::make_tuple(s.GetShortValue(), s.GetLongValue(), s.GetDWordValue()),
              std::make_tuple((short)-5, -5L, 0xFFFFFFFBu));
    EXPECT_EQ(s.SetValue(4294967295u).GetUIntValue(), 4294967295u);
    EXPECT_EQ(s.SetValue(123456789L).GetLongValue(), 123456789L);

    // Text values: the leading integer counts, anything else reads as 0.
    EXPECT_EQ(s.SetValue(L" 12abc").GetLongValue(), 12);
    EXPECT_EQ(s.SetValue(L"2.75").GetUIntValue(), 2u);
    EXPECT_EQ(s.SetValue(L"abc").GetDWordValue(), 0u);
    EXPECT_EQ(s.SetValue(L"").GetShortValue(), 0);
    // Out of range values are capped, not wrapped.
    EXPECT_EQ(s.SetValue(L"70000").GetShortValue(), 32767);
    EXPECT_EQ(s.SetValue(L"-70000").GetShortValue(), -32768);
    EXPECT_EQ(s.SetValue(L"99999999999999999999").GetDWordValue(), 0xFFFFFFFFu);
}

TEST(GXStyle, AttributesAreUnsetUntilSetAndCombineOneByOne)
{
    CGXStyle s;
    EXPECT_TRUE(s.IsEmpty());
    EXPECT_FALSE(s.GetIncludeValue() || s.GetIncludeFont() || s.GetIncludeEnabled() || s.GetReadOnly());
    EXPECT_TRUE(s.GetEnabled()); // unset: enabled
    s.SetValue(L"").SetControl(GX_IDS_CTRL_CHECKBOX).SetEnabled(FALSE).SetFont(CGXFont().SetBold(TRUE));
    EXPECT_TRUE(s.GetIncludeValue()); // an empty value is still a value
    EXPECT_TRUE(s.GetIncludeControl() && s.GetIncludeFont() && !s.GetEnabled() && !s.GetIncludeInterior());
    s.SetIncludeValue(FALSE).SetIncludeEnabled(FALSE).SetIncludeFont(FALSE);
    EXPECT_EQ(s, CGXStyle().SetControl(GX_IDS_CTRL_CHECKBOX));
    EXPECT_TRUE(s.GetEnabled());

    // The modify types.
    const CGXStyle base = CGXStyle().SetValue(L"base").SetInterior(RGB(1, 2, 3)).SetReadOnly(TRUE);
    const CGXStyle change = CGXStyle().SetValue(L"new").SetWrapText(TRUE);
    const auto changed = [&](GXModifyType mt) { return CGXStyle(base).ChangeStyle(change, mt); };
    EXPECT_EQ(changed(gxOverride), CGXStyle(base).SetValue(L"new").SetWrapText(TRUE));
    EXPECT_EQ(changed(gxApplyNew), CGXStyle(base).SetWrapText(TRUE));
    EXPECT_EQ(changed(gxCopy), change);
    EXPECT_EQ(changed(gxExclude), CGXStyle().SetInterior(RGB(1, 2, 3)).SetReadOnly(TRUE));
    EXPECT_TRUE(changed(gxRemove).IsEmpty());

    // Fonts combine likewise, so that a bold font keeps the face it is applied to.
    const CGXFont arial10 = CGXFont().SetFaceName(L"Arial").SetSize(10).SetBold(FALSE);
    s.SetFont(arial10);
    s.SetFont(CGXFont().SetBold(TRUE)); // modify type 0: only bold changes
    EXPECT_EQ(s.GetFont(), CGXFont(arial10).SetBold(TRUE));
    s.SetFont(CGXFont().SetSize(12), gxCopy);
    EXPECT_EQ(s.GetFont(), CGXFont().SetSize(12));
    CGXStyle bold = CGXStyle().SetFont(CGXFont().SetBold(TRUE));
    bold.ChangeStyle(CGXStyle().SetFont(arial10), gxApplyNew);
    EXPECT_EQ(bold.GetFont(), CGXFont(arial10).SetBold(TRUE));
}

TEST(GXStyle, ChoiceListLinesAreSplitAtLineFeeds)
{
    const auto lines = [](const CGXStyle& s) {
        std::vector<std::wstring> v;
        CString line;
        for (int i = 0; s.GetChoiceListLine(i, line); ++i)
            v.push_back(line.str());
        return v;
    };
    EXPECT_EQ(lines(CGXStyle()), std::vector<std::wstring>{}); // no list, no lines
    // A closing line feed opens no line; a list may start with the empty "no bar" line.
    EXPECT_EQ(lines(CGXStyle().SetChoiceList(L"a\r\nb\n\nc\n")), (std::vector<std::wstring>{L"a", L"b", L"", L"c"}));
    EXPECT_EQ(lines(CGXStyle().SetChoiceList(L"\n8\n10")), (std::vector<std::wstring>{L"", L"8", L"10"}));
    CString line;
    EXPECT_FALSE(CGXStyle().SetChoiceList(L"a").GetChoiceListLine(-1, line));
}
