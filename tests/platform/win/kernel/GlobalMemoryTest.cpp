#include "win/Afx.h"

#include <gtest/gtest.h>

#include <string>

TEST(GlobalMemory, BlocksCountLocksAndRefuseForeignHandles)
{
    HGLOBAL block = GlobalAlloc(GHND, 3 * sizeof(wchar_t));
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(GlobalSize(block), 3 * sizeof(wchar_t));
    auto* chars = static_cast<wchar_t*>(GlobalLock(block));
    ASSERT_NE(chars, nullptr);
    EXPECT_EQ(std::wstring(chars, 3), std::wstring(3, L'\0')); // GHND zeroes it
    // A second lock gives the same memory; the last unlock reports FALSE with no error.
    EXPECT_EQ(GlobalLock(block), chars);
    EXPECT_TRUE(GlobalUnlock(block));
    EXPECT_FALSE(GlobalUnlock(block));
    EXPECT_EQ(GetLastError(), (DWORD)ERROR_SUCCESS);
    EXPECT_EQ(GlobalFree(block), nullptr);
    // Freed and foreign handles are refused, never used.
    EXPECT_EQ(GlobalLock(block), nullptr);
    EXPECT_EQ(GlobalSize(block), 0u);
    EXPECT_EQ(GlobalFree(block), block);
    int notABlock = 0;
    EXPECT_EQ(GlobalLock(&notABlock), nullptr);
    EXPECT_EQ(GetLastError(), (DWORD)ERROR_INVALID_HANDLE);
    // An empty block exists but has no memory to lock.
    HGLOBAL empty = GlobalAlloc(GMEM_FIXED, 0);
    ASSERT_NE(empty, nullptr);
    EXPECT_EQ(GlobalLock(empty), nullptr);
    EXPECT_EQ(GlobalFree(empty), nullptr);
}
