#include "platform/win/LoggingWnd.h"
#include "support/WindowQueries.h"

#include <gtest/gtest.h>

using platform::user;

TEST(AppMessageBox, TheApplicationsBoxBelongsToItsMainWindowAndBearsItsName)
{
    user().reset();
    testsupport::LoggingWnd frame("F");
    ASSERT_TRUE(frame.create(nullptr, CRect(100, 100, 500, 400)));
    AfxGetThread()->m_pMainWnd = &frame;
    HWND owner = nullptr;
    std::wstring caption;
    user().answerMessage(IDNO, [&](HWND box) {
        owner = GetParent(box);
        caption = testsupport::windowText(box);
    });
    EXPECT_EQ(AfxMessageBox(L"Replace?", MB_YESNO), IDNO);
    EXPECT_EQ(owner, frame.m_hWnd);
    EXPECT_EQ(caption, (LPCWSTR)AfxGetAppName());
    EXPECT_EQ(caption, L"test-platform-win-afx");
    AfxGetThread()->m_pMainWnd = nullptr;
    user().reset();
}
