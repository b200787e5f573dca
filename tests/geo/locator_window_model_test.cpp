#include "geo/locator_window_model.h"

#include <gtest/gtest.h>

namespace {

struct Locator {
    QString myLocator = "JO30XN";
    QString lat = "505";
    QString lon = "080";
    std::uint8_t quadrant = 1;
    LocatorWindowModel model{{myLocator, lat, lon, quadrant}};

    explicit Locator(const QString& locator = "JO30XN") : myLocator(locator) { model.fill(); }
};

}  // namespace

TEST(LocatorWindow, ShowsTheOwnLocatorInBothRowsAndTakesItOver) {
    Locator l("jo30xn");
    LocatorWindowModel& m = l.model;
    EXPECT_EQ(m.fillMessage, "");
    EXPECT_EQ(m.ownLocator(), "JO30XN");
    EXPECT_EQ(m.latitudeDecimal, "50,5625 N");
    EXPECT_TRUE(m.longitudeDecimal.startsWith("7,95833")) << m.longitudeDecimal.toStdString();
    EXPECT_TRUE(m.longitudeDecimal.endsWith(" E"));
    EXPECT_EQ(m.latitudeDegrees, "50.33.45 N");
    EXPECT_EQ(m.longitudeDegrees, "7.57.30 E");
    EXPECT_FALSE(m.take());
    EXPECT_EQ(l.myLocator, "JO30XN");
    EXPECT_EQ(l.lat, "505");
    EXPECT_EQ(l.lon, "0079");
    EXPECT_EQ(l.quadrant, 1);

    m.setOwnLocator("aa00aa");
    EXPECT_FALSE(m.take());
    EXPECT_EQ(m.longitudeDegrees.right(2), " W");
    EXPECT_EQ(m.latitudeDegrees.right(2), " S");
    EXPECT_EQ(l.myLocator, "AA00AA");
    EXPECT_EQ(l.lat, "899");
    EXPECT_EQ(l.lon, "1799");
    EXPECT_EQ(l.quadrant, 5);
}

TEST(LocatorWindow, QuadrantFollowsTheFieldLetters) {
    const struct {
        const char* locator;
        int quadrant;
    } rows[] = {{"JJ00AA", 1}, {"JI00XX", 3}, {"II99XX", 5}, {"IJ00AA", 7}};
    for (const auto& row : rows) {
        Locator l(row.locator);
        EXPECT_FALSE(l.model.take());
        EXPECT_EQ(l.quadrant, row.quadrant) << row.locator;
    }
}

TEST(LocatorWindow, BadLocatorKeepsTheFieldsAndTakesNothing) {
    Locator stored("JO3");
    EXPECT_EQ(stored.model.fillMessage, LocatorWindowModel::kInvalidInput);

    Locator l;
    for (const QString bad : {"JO30X", "JOX0XN"}) {
        l.model.setOwnLocator(bad);
        EXPECT_EQ(l.model.toCoordinates(), LocatorWindowModel::kInvalidInput);
        EXPECT_EQ(l.model.latitudeDecimal, "50,5625 N");
        const auto problem = l.model.take();
        ASSERT_TRUE(problem);
        EXPECT_EQ(*problem, (FieldProblem{"Locator", "Ungültige Eingabe"}));
        EXPECT_EQ(l.myLocator, "JO30XN");
        EXPECT_EQ(l.lon, "080");
        EXPECT_EQ(l.model.distanceMessage(), LocatorWindowModel::kInvalidInput);
    }
}

TEST(LocatorWindow, DistanceIsTruncatedToOneDecimal) {
    Locator l;
    LocatorWindowModel& m = l.model;
    EXPECT_EQ(m.distanceMessage(), "Distanz JO30XN - JO30XP: 9,2 km");
    m.setTargetLocator("jo62qm");
    EXPECT_EQ(m.distanceMessage(), "Distanz JO30XN - JO62QM: 434,2 km");
    m.setTargetLocator("JO30XN");
    EXPECT_EQ(m.distanceMessage(), "Distanz JO30XN - JO30XN: 0 km");
    m.setTargetLocator("JO30");
    EXPECT_EQ(m.distanceMessage(), LocatorWindowModel::kInvalidInput);
}

TEST(LocatorWindow, DecimalCoordinatesGiveTheLocator) {
    Locator l;
    LocatorWindowModel& m = l.model;
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
