#include "win/Afx.h"

#include <gtest/gtest.h>

using platform::User;

TEST(ScriptedUser, AnswersGoInOrderToThePromptsTheyFit)
{
    User u;
    u.confirm(true);
    u.pickColour(RGB(1, 2, 3));
    u.cancel();
    u.confirm(true);

    COLORREF c = 0;
    // The colour answer waits behind the confirmation: a colour prompt now gets the default.
    EXPECT_FALSE(u.answerColour(L"#000000", c));
    EXPECT_TRUE(u.answerConfirm(L"sure?"));
    EXPECT_TRUE(u.answerColour(L"#000000", c));
    EXPECT_EQ(c, RGB(1, 2, 3));
    // cancel() fits any prompt and says no.
    EXPECT_FALSE(u.answerConfirm(L"again?"));
    EXPECT_TRUE(u.answerConfirm(L"last?"));
    EXPECT_FALSE(u.answerConfirm(L"nobody answers"));
    EXPECT_EQ(u.waitingAnswers(), 0u);
    u.reset();
    EXPECT_TRUE(u.prompts().empty());
}
