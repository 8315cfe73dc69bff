#include "platform/Exceptions.h"

#include <gtest/gtest.h>

#include <cerrno>

TEST(EInOutError, CarriesTheSystemTexts) {
    EXPECT_STREQ(EInOutError(ENOENT).what(), "File not found");
    EXPECT_STREQ(EInOutError(EACCES).what(), "File access denied");
    EXPECT_STREQ(EInOutError(EISDIR).what(), "File access denied");
    EXPECT_STREQ(EInOutError(ENOSPC).what(), "Disk full");
    EXPECT_STREQ(EInOutError(EIO).what(), "I/O error 5");
    EXPECT_EQ(EInOutError(EIO).ErrorCode(), EIO);
    EXPECT_STREQ(EInOutError::ReadBeyondEnd().what(), "Read beyond end of file");
}
