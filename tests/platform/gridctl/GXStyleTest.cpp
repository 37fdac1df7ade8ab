#include "gridctl/GXStyle.h"

#include <gtest/gtest.h>

TEST(GXStyle, NumericValuesAreKeptAsDecimalTextAndReadBackAsAnyType)
{
    CGXStyle s;
    EXPECT_EQ(s.SetValue((DWORD)0x00FF8040).GetValue(), L"16744512");
    EXPECT_EQ(s.GetDWordValue(), 0x00FF8040u);
    EXPECT_EQ(s.SetValue((short)-5).GetValue(), L"-5");
    EXPECT_EQ(s.GetShortValue(), -5);
    EXPECT_EQ(s.GetLongValue(), -5);
    EXPECT_EQ(s.GetDWordValue(), 0xFFFFFFFBu); // the 32-bit pattern of -5
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

TEST(GXStyle, EveryAttributeIsUnsetUntilSetAndCanBeExcludedAgain)
{
    CGXStyle s;
    EXPECT_TRUE(s.IsEmpty());
    EXPECT_FALSE(s.GetIncludeValue());
    EXPECT_FALSE(s.GetIncludeFont());
    EXPECT_FALSE(s.GetIncludeEnabled());
    EXPECT_TRUE(s.GetEnabled()); // unset: enabled
    EXPECT_FALSE(s.GetReadOnly());

    s.SetValue(L"").SetControl(GX_IDS_CTRL_CHECKBOX).SetEnabled(FALSE).SetFont(CGXFont().SetBold(TRUE));
    EXPECT_TRUE(s.GetIncludeValue()); // an empty value is still a value
    EXPECT_TRUE(s.GetIncludeControl());
    EXPECT_TRUE(s.GetIncludeFont());
    EXPECT_FALSE(s.GetEnabled());
    EXPECT_FALSE(s.GetIncludeInterior());

    s.SetIncludeValue(FALSE).SetIncludeEnabled(FALSE).SetIncludeFont(FALSE);
    EXPECT_FALSE(s.GetIncludeValue());
    EXPECT_TRUE(s.GetEnabled());
    EXPECT_FALSE(s.GetIncludeFont());
    EXPECT_EQ(s.GetControl(), GX_IDS_CTRL_CHECKBOX);
}

TEST(GXStyle, ModifyTypesCombineStylesAttributeByAttribute)
{
    CGXStyle base;
    base.SetValue(L"base").SetInterior(RGB(1, 2, 3)).SetReadOnly(TRUE);
    CGXStyle change;
    change.SetValue(L"new").SetWrapText(TRUE);

    CGXStyle s = base;
    s.ChangeStyle(change, gxOverride);
    EXPECT_EQ(s.GetValue(), L"new");
    EXPECT_EQ(s.GetInterior(), RGB(1, 2, 3));
    EXPECT_TRUE(s.GetWrapText());

    s = base;
    s.ChangeStyle(change, gxApplyNew);
    EXPECT_EQ(s.GetValue(), L"base");
    EXPECT_TRUE(s.GetWrapText());

    s = base;
    s.ChangeStyle(change, gxCopy);
    EXPECT_EQ(s, change);

    s = base;
    s.ChangeStyle(change, gxExclude);
    EXPECT_FALSE(s.GetIncludeValue());
    EXPECT_TRUE(s.GetReadOnly());
    EXPECT_FALSE(s.GetIncludeWrapText());

    s = base;
    s.ChangeStyle(change, gxRemove);
    EXPECT_TRUE(s.IsEmpty());
}

TEST(GXStyle, FontsCombineSoThatABoldFontKeepsTheFaceItIsAppliedTo)
{
    CGXStyle s;
    s.SetFont(CGXFont().SetFaceName(L"Arial").SetSize(10).SetBold(FALSE));
    s.SetFont(CGXFont().SetBold(TRUE)); // modify type 0: only bold changes
    EXPECT_EQ(s.GetFont().GetFaceName(), L"Arial");
    EXPECT_EQ(s.GetFont().GetSize(), 10.0);
    EXPECT_TRUE(s.GetFont().GetBold());

    s.SetFont(CGXFont().SetSize(12), gxCopy);
    EXPECT_FALSE(s.GetFont().GetIncludeFaceName());
    EXPECT_FALSE(s.GetFont().GetIncludeBold());
    EXPECT_EQ(s.GetFont().GetSize(), 12.0);

    CGXStyle bold;
    bold.SetFont(CGXFont().SetBold(TRUE));
    CGXStyle standard;
    standard.SetFont(CGXFont().SetFaceName(L"Arial").SetSize(10).SetBold(FALSE));
    bold.ChangeStyle(standard, gxApplyNew);
    EXPECT_EQ(bold.GetFont(), CGXFont().SetFaceName(L"Arial").SetSize(10).SetBold(TRUE));
}

TEST(GXStyle, ChoiceListLinesAreSplitAtLineFeeds)
{
    CGXStyle s;
    CString line;
    EXPECT_FALSE(s.GetChoiceListLine(0, line)); // no list, no lines

    s.SetChoiceList(L"a\r\nb\n\nc\n");
    const wchar_t* expected[] = {L"a", L"b", L"", L"c"};
    for (int i = 0; i < 4; ++i) {
        ASSERT_TRUE(s.GetChoiceListLine(i, line)) << i;
        EXPECT_EQ(line, expected[i]) << i;
    }
    EXPECT_FALSE(s.GetChoiceListLine(4, line)); // the closing line feed opens no line
    EXPECT_FALSE(s.GetChoiceListLine(-1, line));

    s.SetChoiceList(L"\n8\n10"); // a list that starts with the empty "no bar" line
    ASSERT_TRUE(s.GetChoiceListLine(0, line));
    EXPECT_EQ(line, L"");
    ASSERT_TRUE(s.GetChoiceListLine(2, line));
    EXPECT_EQ(line, L"10");
}
