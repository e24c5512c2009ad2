// The splitting of the Windows drive-strings buffer, which is plain C++.
#include "platform/drives_win_api.h"

#include <algorithm>

#include <gtest/gtest.h>

using kordavel::win::kRootListBuffer;
using kordavel::win::splitRootList;

namespace {

// A buffer of blanks, as the query gets it, with text written from its start.
std::wstring filledBuffer(const std::wstring &text)
{
    std::wstring buffer(kRootListBuffer, L' ');
    std::copy(text.begin(), text.end(), buffer.begin());
    return buffer;
}

} // namespace

TEST(WindowsRootList, FilledBufferGivesTheRootsInOrder)
{
    const std::wstring buffer = filledBuffer(std::wstring(L"C:\\\0D:\\\0F:\\\0\0", 13));
    EXPECT_EQ(splitRootList(buffer.data(), buffer.size()),
              (std::vector<std::wstring>{L"C:\\", L"D:\\", L"F:\\"}));
}

TEST(WindowsRootList, AllTwentySixLettersFitTheBuffer)
{
    std::wstring filled;
    for (wchar_t c = L'A'; c <= L'Z'; ++c)
        filled += std::wstring(1, c) + L":\\" + L'\0';
    filled += L'\0';
    ASSERT_EQ(filled.size(), kRootListBuffer);
    const auto roots = splitRootList(filled.data(), filled.size());
    ASSERT_EQ(roots.size(), 26u);
    EXPECT_EQ(roots.front(), L"A:\\");
    EXPECT_EQ(roots.back(), L"Z:\\");
}

TEST(WindowsRootList, EmptyBufferGivesNoRoots)
{
    const std::wstring buffer = filledBuffer(L"");
    EXPECT_TRUE(splitRootList(buffer.data(), buffer.size()).empty());
}

// The buffer is wide text: characters beyond one byte are split like any other
// and come through unchanged, never narrowed to a code page.
TEST(WindowsRootList, CharactersBeyondOneByteComeThroughWhole)
{
    const std::wstring buffer = filledBuffer(std::wstring(L"\u0394:\\\0\u0416\u03A9:\\\0\0", 10));
    EXPECT_EQ(splitRootList(buffer.data(), buffer.size()),
              (std::vector<std::wstring>{L"\u0394:\\", L"\u0416\u03A9:\\"}));
}
