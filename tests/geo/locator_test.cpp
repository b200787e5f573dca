#include <gtest/gtest.h>

#include <cmath>

#include "geo/locator.h"

TEST(Locator, ConvertsToTheCentreOfTheSubsquareInEitherCase) {
    for (const QString text : {"JO30XN", "jo30xn"}) {
        const auto p = LocatorToLatLon(text);
        ASSERT_TRUE(p);
        EXPECT_NEAR(p->longitude, 7 + 23.0 / 24, 1e-12);
        EXPECT_DOUBLE_EQ(p->latitude, 50.5625);
    }
    const auto corner = LocatorToLatLon("AA00AA");
    ASSERT_TRUE(corner);
    EXPECT_NEAR(corner->longitude, -180 + 1.0 / 24, 1e-12);
    EXPECT_NEAR(corner->latitude, -90 + 1.0 / 48, 1e-12);
    for (const QString bad : {"", "JO30X", "JO30XNN", "JOX0XN", "JO3-XN"})
        EXPECT_FALSE(LocatorToLatLon(bad)) << bad.toStdString();
}

TEST(Locator, EveryLocatorComesBackFromItsCentre) {
    const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWX");
    int checked = 0;
    // Every field and square; each subsquare letter in both places, paired differently per square.
    for (int field = 0; field < 18 * 18; ++field) {
        for (int square = 0; square < 100; ++square) {
            for (int sub = 0; sub < 24; ++sub) {
                const QString locator = QString(letters.at(field / 18)) + letters.at(field % 18) +
                                        QString::number(square / 10) +
                                        QString::number(square % 10) + letters.at(sub) +
                                        letters.at((sub * 7 + field + square) % 24);
                const auto centre = LocatorToLatLon(locator);
                ASSERT_TRUE(centre);
                ASSERT_EQ(LatLonToLocator(*centre), locator);
                ++checked;
            }
        }
    }
    EXPECT_EQ(checked, 18 * 18 * 100 * 24);
    EXPECT_EQ(LatLonToLocator({180, 90}), "RR99XX");  // the edges stay in the last subsquare
    EXPECT_EQ(LatLonToLocator({-200, -95}), "AA00AA");
}

TEST(Locator, DegreesTextTakesMinutesAndSecondsFromTheDecimals) {
    // Degrees, minutes and seconds of arc: 7°57'30", 89°58'45", 50°33'45".
    EXPECT_EQ(LatLonToDegMinText(7.9583333), "7.57.30");
    EXPECT_EQ(LatLonToDegMinText(-89.9791666), "89.58.45");
    EXPECT_EQ(LatLonToDegMinText(50.5625), "50.33.45");
    EXPECT_EQ(LatLonToDegMinText(1.99999), "2.00.00");  // 59.96 seconds carry
}

TEST(Locator, DistanceWhereTheApproximationHasNoValue) {
    EXPECT_EQ(EllipsoidDistance(50.5625, 7.9583, 50.5625, 7.9583), 0);
    // Antipodes, where the approximation comes close to dividing by zero: half a circumference.
    EXPECT_NEAR(EllipsoidDistance(0, 0, 0, 180), M_PI * 6378.14, 1e-6);
    const double overThePole = EllipsoidDistance(50, 8, -50, -172);
    EXPECT_GT(overThePole, 20000);
    EXPECT_LT(overThePole, M_PI * 6378.14);
}
