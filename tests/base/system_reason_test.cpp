#include "base/system_reason.h"

#include <gtest/gtest.h>

#include <cerrno>

TEST(SystemReason, TheCommonFailuresReadInGerman) {
    EXPECT_EQ(germanReason(qt_error_string(ENOSPC)), "Platte voll");
    EXPECT_EQ(germanReason(qt_error_string(EROFS)), QString::fromUtf8("schreibgeschützt"));
    EXPECT_EQ(germanReason(EACCES), "keine Berechtigung");
    // A reason without a German text is passed on as the system gave it.
    EXPECT_EQ(germanReason(QStringLiteral("Writing canceled")), "Writing canceled");
    EXPECT_EQ(germanReason(EXDEV), qt_error_string(EXDEV));
}
