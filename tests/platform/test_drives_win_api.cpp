// The splitting of the Windows drive-strings buffer, which is plain C++.
#include "platform/drives_win_api.h"

#include <cstring>

#include <gtest/gtest.h>

using kordavel::win::kDriveStringsBuffer;
using kordavel::win::splitDriveStrings;

TEST(WindowsDriveStrings, FilledBufferGivesTheRootsInOrder)
{
    char buffer[kDriveStringsBuffer];
    std::memset(buffer, ' ', sizeof buffer);
    std::memcpy(buffer, "C:\\\0D:\\\0F:\\\0\0", 13);
    EXPECT_EQ(splitDriveStrings(buffer, sizeof buffer),
              (std::vector<std::string>{"C:\\", "D:\\", "F:\\"}));
}

TEST(WindowsDriveStrings, AllTwentySixLettersFitTheBuffer)
{
    std::string filled;
    for (char c = 'A'; c <= 'Z'; ++c)
        filled += std::string(1, c) + ":\\" + '\0';
    filled += '\0';
    ASSERT_EQ(filled.size(), kDriveStringsBuffer);
    const auto roots = splitDriveStrings(filled.data(), filled.size());
    ASSERT_EQ(roots.size(), 26u);
    EXPECT_EQ(roots.front(), "A:\\");
    EXPECT_EQ(roots.back(), "Z:\\");
}

TEST(WindowsDriveStrings, EmptyBufferGivesNoRoots)
{
    char buffer[kDriveStringsBuffer];
    std::memset(buffer, ' ', sizeof buffer);
    EXPECT_TRUE(splitDriveStrings(buffer, sizeof buffer).empty());
}
