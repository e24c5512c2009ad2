// The splitting of the Windows drive-strings buffer, which is plain C++.
#include "platform/drives_win_api.h"

#include <cstring>

#include <gtest/gtest.h>

using kordavel::win::kRootListBuffer;
using kordavel::win::splitRootList;

TEST(WindowsRootList, FilledBufferGivesTheRootsInOrder)
{
    char buffer[kRootListBuffer];
    std::memset(buffer, ' ', sizeof buffer);
    std::memcpy(buffer, "C:\\\0D:\\\0F:\\\0\0", 13);
    EXPECT_EQ(splitRootList(buffer, sizeof buffer),
              (std::vector<std::string>{"C:\\", "D:\\", "F:\\"}));
}

TEST(WindowsRootList, AllTwentySixLettersFitTheBuffer)
{
    std::string filled;
    for (char c = 'A'; c <= 'Z'; ++c)
        filled += std::string(1, c) + ":\\" + '\0';
    filled += '\0';
    ASSERT_EQ(filled.size(), kRootListBuffer);
    const auto roots = splitRootList(filled.data(), filled.size());
    ASSERT_EQ(roots.size(), 26u);
    EXPECT_EQ(roots.front(), "A:\\");
    EXPECT_EQ(roots.back(), "Z:\\");
}

TEST(WindowsRootList, EmptyBufferGivesNoRoots)
{
    char buffer[kRootListBuffer];
    std::memset(buffer, ' ', sizeof buffer);
    EXPECT_TRUE(splitRootList(buffer, sizeof buffer).empty());
}
