#include "core/file_error.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>

using tolvar::fileErrorMessage;

TEST(FileError, MapsErrnoToTheUserMessages)
{
    EXPECT_EQ(fileErrorMessage(ENOENT), "File not found");
    for (const int e : {EACCES, EPERM, EROFS})
        EXPECT_EQ(fileErrorMessage(e), "File access denied");
    EXPECT_EQ(fileErrorMessage(ENOSPC), "Disk full");
    EXPECT_EQ(fileErrorMessage(EMFILE), "Too many open files");
    EXPECT_EQ(fileErrorMessage(ENAMETOOLONG), "Invalid filename");
    EXPECT_EQ(fileErrorMessage(EIO), "I/O error 5");
}

TEST(FileError, AMissingFileReadsAsNotFound)
{
    errno = 0;
    EXPECT_EQ(std::fopen("/nonexistent-tolvar-dir/map.hgt", "rb"), nullptr);
    EXPECT_EQ(fileErrorMessage(errno), "File not found");
}
