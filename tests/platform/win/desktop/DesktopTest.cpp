#include "win/Afx.h"

#include <gtest/gtest.h>

TEST(Desktop, ScreenDCDrawsOnTheScreenWithItsSizeAndDpi)
{
    HDC hdc = GetDC(nullptr);
    ASSERT_NE(hdc, nullptr);
    EXPECT_EQ(GetDeviceCaps(hdc, HORZRES), 1920);
    EXPECT_EQ(GetDeviceCaps(hdc, VERTRES), 1080);
    EXPECT_EQ(GetDeviceCaps(hdc, LOGPIXELSY), 96);
    EXPECT_EQ(GetDeviceCaps(hdc, BITSPIXEL), 32);
    CDC attached;
    attached.Attach(hdc);
    attached.FillSolidRect(1900, 1070, 50, 50, RGB(1, 2, 3));
    attached.Detach();
    const platform::Surface& screen = platform::desktop().screen();
    EXPECT_EQ(screen.pixel(1919, 1079), RGB(1, 2, 3));
    EXPECT_NE(screen.pixel(1899, 1079), RGB(1, 2, 3));
    EXPECT_EQ(ReleaseDC(nullptr, hdc), 1);
    EXPECT_EQ(ReleaseDC(nullptr, hdc), 0); // released once only
    // A memory DC from the screen DC, none from an unknown DC; window DCs need windows.
    CWindowDC dc(nullptr);
    CDC mem;
    EXPECT_TRUE(mem.CreateCompatibleDC(&dc));
    EXPECT_EQ(CreateCompatibleDC((HDC)0x4444), nullptr);
    EXPECT_FALSE(DeleteDC((HDC)0x4444));
    EXPECT_EQ(GetDC((HWND)0x1234), nullptr);
    EXPECT_EQ(GetLastError(), (DWORD)ERROR_INVALID_WINDOW_HANDLE);

    // The host sets size and DPI, and screen DCs follow.
    platform::desktop().setScreenSize(320, 200);
    platform::desktop().setDpi(144);
    EXPECT_EQ(dc.GetDeviceCaps(HORZRES), 320);
    EXPECT_EQ(dc.GetDeviceCaps(LOGPIXELSX), 144);
    dc.FillSolidRect(0, 0, 1000, 1000, RGB(9, 9, 9));
    EXPECT_EQ(dc.GetPixel(319, 199), RGB(9, 9, 9));
    EXPECT_EQ(dc.GetPixel(320, 0), CLR_INVALID);
    EXPECT_EQ(screen.width(), 320);
    platform::desktop().setDpi(0);
    EXPECT_EQ(platform::desktop().dpi(), 96);
}
