#include "base/formats.h"

#include <gtest/gtest.h>

namespace {
const Formats& de = Formats::german();
const QDateTime kEvening(QDate(2026, 12, 7), QTime(21, 30, 5));
}  // namespace

TEST(Formats, FixedPointNumbersInWindowsAndFiles) {
    EXPECT_EQ(de.fixed(215, 1), "21,5");
    EXPECT_EQ(de.fixed(-5, 1), "-0,5");
    EXPECT_EQ(de.fixed(0, 1), "0,0");
    EXPECT_EQ(de.fixed(-235, 1), "-23,5");
    EXPECT_EQ(de.fixed(10132, 1), "1013,2");
    EXPECT_EQ(Formats::fixedPoint(-206, 1), "-20.6");
    EXPECT_EQ(Formats::fixedPoint(7, 2), "0.07");
    EXPECT_EQ(de.fixed(42, 0), "42");
}

TEST(Formats, RoundingGoesToTheEvenNeighbour) {
    EXPECT_EQ(roundHalfEven(2.5), 2);
    EXPECT_EQ(roundHalfEven(3.5), 4);
    EXPECT_EQ(roundHalfEven(-2.5), -2);
    EXPECT_EQ(roundHalfEven(2.51), 3);
    EXPECT_EQ(de.real(1.25, 1), "1,2");
}

TEST(Formats, GermanDatesTimesAndMonthNames) {
    EXPECT_EQ(de.shortDate(kEvening.date()), "07.12.2026");
    EXPECT_EQ(de.longTime(kEvening.time()), "21:30:05");
    EXPECT_EQ(de.monthName(3), QString::fromUtf8("März"));
    EXPECT_EQ(de.monthAbbreviation(3), "Mrz");
    EXPECT_EQ(de.monthAbbreviation(12), "Dez");
    EXPECT_EQ(de.monthName(0), "");
}

TEST(Formats, PatternsOfFileNamesAndStamps) {
    EXPECT_EQ(de.dateTime("mmm dd yyyy hh:nn", kEvening), "Dez 07 2026 21:30");
    EXPECT_EQ(de.dateTime("mmmm yyyy", kEvening), "Dezember 2026");
    EXPECT_EQ(de.dateTime("mmmm\".\"yyyy", kEvening), "Dezember.2026");
    EXPECT_EQ(de.dateTime("dd.mm.yy", kEvening), "07.12.26");
    EXPECT_EQ(de.dateTime("dd.mm. hh-nn", kEvening), "07.12. 21-30");
    EXPECT_EQ(de.dateTime("yyyy.mm.dd. - hh-nn", kEvening), "2026.12.07. - 21-30");
    EXPECT_EQ(de.dateTime("hhnn", kEvening), "2130");
    // Right after an hour, "mm" means minutes.
    EXPECT_EQ(de.dateTime("hh:mm", kEvening), "21:30");
    EXPECT_EQ(de.dateTime("'Woche' d", kEvening), "Woche 7");
}
