#include <gtest/gtest.h>

#include "geo/locator_window_model.h"

TEST(LocatorWindow, ShowsTheOwnLocatorInBothRowsAndTakesItOver) {
    LocatorWindowModel m;
    EXPECT_EQ(m.fill("jo30xn"), "");
    EXPECT_EQ(m.ownLocator(), "JO30XN");
    EXPECT_EQ(m.latitudeDecimal, "50,5625 N");
    EXPECT_TRUE(m.longitudeDecimal.startsWith("7,95833")) << m.longitudeDecimal.toStdString();
    EXPECT_TRUE(m.longitudeDecimal.endsWith(" E"));
    EXPECT_EQ(m.latitudeDegrees, "50.34.25 N");
    EXPECT_EQ(m.longitudeDegrees, "7.57.83 E");
    const auto t = m.takeOver();
    ASSERT_TRUE(t);
    EXPECT_EQ(t->MyLocator, "JO30XN");
    EXPECT_EQ(t->ASYNOPLat, "505");
    EXPECT_EQ(t->ASYNOPLong, "0079");
    EXPECT_EQ(t->ASYNOPErdquadrant, 1);

    m.setOwnLocator("aa00aa");
    const auto sw = m.takeOver();
    ASSERT_TRUE(sw);
    EXPECT_EQ(m.longitudeDegrees.right(2), " W");
    EXPECT_EQ(m.latitudeDegrees.right(2), " S");
    EXPECT_EQ(sw->ASYNOPLat, "899");
    EXPECT_EQ(sw->ASYNOPLong, "1799");
    EXPECT_EQ(sw->ASYNOPErdquadrant, 5);
}

TEST(LocatorWindow, QuadrantFollowsTheFieldLetters) {
    const struct {
        const char* locator;
        int quadrant;
    } rows[] = {{"JJ00AA", 1}, {"JI00XX", 3}, {"II99XX", 5}, {"IJ00AA", 7}};
    for (const auto& row : rows) {
        LocatorWindowModel m;
        m.setOwnLocator(row.locator);
        EXPECT_EQ(m.takeOver()->ASYNOPErdquadrant, row.quadrant) << row.locator;
    }
}

TEST(LocatorWindow, BadLocatorKeepsTheFieldsAndTakesNothing) {
    LocatorWindowModel m;
    m.fill("JO30XN");
    for (const QString bad : {"JO30X", "JOX0XN"}) {
        m.setOwnLocator(bad);
        EXPECT_EQ(m.toCoordinates(), LocatorWindowModel::kInvalidInput);
        EXPECT_EQ(m.latitudeDecimal, "50,5625 N");
        EXPECT_FALSE(m.takeOver());
        EXPECT_EQ(m.distanceMessage(), LocatorWindowModel::kInvalidInput);
    }
}

TEST(LocatorWindow, DistanceIsTruncatedToOneDecimal) {
    LocatorWindowModel m;
    m.fill("JO30XN");
    EXPECT_EQ(m.distanceMessage(), "Distanz JO30XN - JO30XP: 9,2 km");
    m.setTargetLocator("jo62qm");
    EXPECT_EQ(m.distanceMessage(), "Distanz JO30XN - JO62QM: 434,2 km");
    m.setTargetLocator("JO30XN");
    EXPECT_EQ(m.distanceMessage(), "Distanz JO30XN - JO30XN: 0 km");
    m.setTargetLocator("JO30");
    EXPECT_EQ(m.distanceMessage(), LocatorWindowModel::kInvalidInput);
}

TEST(LocatorWindow, DecimalCoordinatesGiveTheLocator) {
    LocatorWindowModel m;
    m.fill("JO30XN");
    m.latitudeDecimal = "33,92 S";
    m.longitudeDecimal = "18.42";
    EXPECT_EQ(m.toLocator(), "");
    EXPECT_EQ(m.ownLocator(), "JF96FB");
    EXPECT_EQ(m.latitudeDegrees.right(2), " S");  // the rows show the new locator's centre

    for (const auto& [lat, lon] : {std::pair{"91", "8"},
                                   {"50", "W 8"},
                                   {"-50 S", "8"},
                                   {"", "8"},
                                   {"50 N", "8 X"},
                                   {"50,5", "181"}}) {
        m.latitudeDecimal = lat;
        m.longitudeDecimal = lon;
        EXPECT_EQ(m.toLocator(), LocatorWindowModel::kInvalidInput) << lat << " / " << lon;
        EXPECT_EQ(m.ownLocator(), "JF96FB");
    }
}
