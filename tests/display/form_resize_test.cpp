#include "display/form_resize.h"

#include <gtest/gtest.h>

TEST(FormResize, ColumnsTakeThirdsOfTheWidthAndBoxesThirdsOfTheHeight) {
    ResizeResult r = FormResize({615, 443, 443, 354});
    EXPECT_EQ(r.leftWidth, 205);
    EXPECT_EQ(r.rightWidth, 205);
    EXPECT_EQ(r.groupBox3, 147);  // GroupBox2 fills the remaining 149
    EXPECT_EQ(r.groupBox6, 147);
    EXPECT_EQ(r.groupBox5, 147);
    EXPECT_EQ(r.groupBox9, 147);
    EXPECT_EQ(r.groupBox10, r.groupBox9);
    EXPECT_EQ(r.groupBox8, 118);
    EXPECT_EQ(r.groupBox11, 118);

    // Integer division for the outer columns, rounding for the right inner panel.
    r = FormResize({800, 500, 301, 302});
    EXPECT_EQ(r.leftWidth, 266);
    EXPECT_EQ(r.rightWidth, 266);
    EXPECT_EQ(r.groupBox3, 166);
    EXPECT_EQ(r.groupBox9, 100);
    EXPECT_EQ(r.groupBox10, 100);
    EXPECT_EQ(r.groupBox8, 101);  // 100.67 rounds up where the left column truncates
}
