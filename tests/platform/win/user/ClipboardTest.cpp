#include "platform/win/LoggingWnd.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

// A movable block holding the text and its terminating zero, as a copying
// application prepares it.
HGLOBAL textBlock(const std::wstring& text)
{
    const SIZE_T bytes = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes);
    std::memcpy(GlobalLock(block), text.c_str(), bytes);
    GlobalUnlock(block);
    return block;
}

bool isLiveBlock(HGLOBAL block) { return GlobalSize(block) != 0; }

} // namespace

TEST(Clipboard, TextPutByOneWindowIsReadBackWhole)
{
    testsupport::LoggingWnd owner("O");
    ASSERT_TRUE(owner.create(nullptr, CRect(0, 0, 50, 50)));
    const std::wstring text = L"Stütze\tC30/37\r\nBalken\t\x4e2d\r\n";
    ASSERT_TRUE(OpenClipboard(owner));
    ASSERT_TRUE(EmptyClipboard());
    HGLOBAL block = textBlock(text);
    EXPECT_EQ(SetClipboardData(CF_UNICODETEXT, block), block);
    EXPECT_TRUE(CloseClipboard());
    EXPECT_EQ(GetClipboardOwner(), owner.GetSafeHwnd());
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_UNICODETEXT));
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_TEXT));
    EXPECT_EQ(platform::ClipboardText(), CString(text.c_str()));

    // Another reader sees the same block, sized in wide characters.
    ASSERT_TRUE(OpenClipboard(nullptr));
    HANDLE data = GetClipboardData(CF_UNICODETEXT);
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(GlobalSize(data), (text.size() + 1) * sizeof(wchar_t));
    EXPECT_EQ(std::wstring(static_cast<const wchar_t*>(GlobalLock(data))), text);
    GlobalUnlock(data);
    EXPECT_EQ(GetClipboardData(CF_TEXT), nullptr);
    EXPECT_TRUE(CloseClipboard());
}

TEST(Clipboard, DataBelongsToTheClipboardOnlyOnceItIsTaken)
{
    testsupport::LoggingWnd owner("O"), other("P");
    ASSERT_TRUE(owner.create(nullptr, CRect(0, 0, 50, 50)));
    ASSERT_TRUE(other.create(nullptr, CRect(60, 0, 110, 50)));
    // A closed clipboard takes nothing; the block stays the caller's.
    HGLOBAL refused = textBlock(L"x");
    EXPECT_EQ(SetClipboardData(CF_UNICODETEXT, refused), nullptr);
    EXPECT_EQ(GetLastError(), (DWORD)ERROR_CLIPBOARD_NOT_OPEN);
    EXPECT_FALSE(EmptyClipboard());
    EXPECT_FALSE(CloseClipboard());
    EXPECT_EQ(GetClipboardData(CF_UNICODETEXT), nullptr);
    EXPECT_TRUE(isLiveBlock(refused));

    // Open for one window, closed to another.
    ASSERT_TRUE(OpenClipboard(owner));
    EXPECT_FALSE(OpenClipboard(other));
    EXPECT_TRUE(EmptyClipboard());
    HGLOBAL first = textBlock(L"first"), second = textBlock(L"second");
    EXPECT_EQ(SetClipboardData(CF_UNICODETEXT, first), first);
    // Setting the format again frees the block it replaces.
    EXPECT_EQ(SetClipboardData(CF_UNICODETEXT, second), second);
    EXPECT_FALSE(isLiveBlock(first));
    EXPECT_EQ(platform::ClipboardText(), L"second");
    // A handle that is no block is refused.
    EXPECT_EQ(SetClipboardData(CF_TEXT, (HANDLE)&owner), nullptr);
    EXPECT_TRUE(CloseClipboard());

    // Emptied without a window, the clipboard has no owner and takes nothing.
    ASSERT_TRUE(OpenClipboard(nullptr));
    EXPECT_TRUE(EmptyClipboard());
    EXPECT_FALSE(isLiveBlock(second));
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_UNICODETEXT));
    EXPECT_EQ(SetClipboardData(CF_UNICODETEXT, refused), nullptr);
    EXPECT_TRUE(isLiveBlock(refused));
    EXPECT_TRUE(CloseClipboard());
    EXPECT_EQ(platform::ClipboardText(), L"");
    EXPECT_EQ(GlobalFree(refused), nullptr);
}

TEST(Clipboard, PutTextReplacesEverythingUnlessAnotherWindowHasItOpen)
{
    testsupport::LoggingWnd owner("O"), other("P");
    ASSERT_TRUE(owner.create(nullptr, CRect(0, 0, 50, 50)));
    ASSERT_TRUE(other.create(nullptr, CRect(60, 0, 110, 50)));
    ASSERT_TRUE(OpenClipboard(other));
    EXPECT_TRUE(EmptyClipboard());
    EXPECT_NE(SetClipboardData(CF_TEXT, textBlock(L"old")), nullptr);
    EXPECT_FALSE(platform::PutClipboardText(owner, L"refused"));
    EXPECT_TRUE(CloseClipboard());
    EXPECT_TRUE(platform::PutClipboardText(owner, L"a\tb"));
    EXPECT_EQ(platform::ClipboardText(), L"a\tb");
    EXPECT_EQ(GetClipboardOwner(), (HWND)owner);
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_TEXT)); // emptied first
}

// A promised format is rendered by its owner when it is first read, open or
// not; a promise not kept reads as no data. Rendering changes nothing else.
TEST(Clipboard, APromisedFormatIsRenderedByItsOwnerWhenFirstRead)
{
    static int asked = 0;
    static bool keep = true;
    WNDCLASSW cls{};
    cls.lpfnWndProc = [](HWND h, UINT message, WPARAM w, LPARAM l) -> LRESULT {
        if (message != WM_RENDERFORMAT)
            return DefWindowProcW(h, message, w, l);
        ++asked;
        if (keep)
            SetClipboardData((UINT)w, textBlock(L"later"));
        return 0;
    };
    cls.lpszClassName = L"PromisingOwner";
    RegisterClassW(&cls);
    const HWND owner =
        CreateWindowExW(0, L"PromisingOwner", L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
    const auto promise = [owner] {
        ASSERT_TRUE(OpenClipboard(owner));
        EXPECT_TRUE(EmptyClipboard());
        EXPECT_EQ(SetClipboardData(CF_UNICODETEXT, nullptr), nullptr);
        EXPECT_TRUE(CloseClipboard());
    };
    const DWORD before = GetClipboardSequenceNumber();
    promise();
    EXPECT_EQ(GetClipboardSequenceNumber(), before + 2); // emptied, set
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_UNICODETEXT));
    EXPECT_EQ(asked, 0);
    EXPECT_EQ(platform::ClipboardText(), L"later");
    EXPECT_EQ(platform::ClipboardText(), L"later");
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(GetClipboardSequenceNumber(), before + 2);

    keep = false;
    promise();
    ASSERT_TRUE(OpenClipboard(nullptr));
    EXPECT_EQ(GetClipboardData(CF_UNICODETEXT), nullptr);
    EXPECT_TRUE(CloseClipboard());
    EXPECT_EQ(asked, 2);
    DestroyWindow(owner);
}
