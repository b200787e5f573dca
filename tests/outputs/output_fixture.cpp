#include "outputs/output_fixture.h"

#include <QFile>
#include "support/file_bytes.h"
#include "support/golden.h"

namespace {
StationTime at(int day, int month, int hour, int minute, int second = 0) {
    return StationTime{std::uint8_t(second), std::uint8_t(minute), std::uint8_t(hour),
                       std::uint8_t(day), std::uint8_t(month)};
}

std::int64_t december2026(int day, int hour, int minute) {
    return QDateTime(QDate(2026, 12, day), QTime(hour, minute)).toSecsSinceEpoch();
}

// Every group arrived a few seconds before the fixture's clock (07.12.2026 21:30:05).
void allGroupsArrived(StationData& d) {
    d.GroupArrivedMs.fill(december2026(7, 21, 30) * 1000);
}
}  // namespace

StationData MildEvening() {
    StationData d;
    WeatherRecord& r = d.Record;
    r.Clock.Time = at(7, 12, 21, 28, 40);
    r.OutdoorTemp.Current = 53;
    r.OutdoorTemp.Positive = true;
    r.OutdoorTemp.Lo = Extreme{at(7, 12, 6, 12), -21, false};
    r.OutdoorTemp.Hi = Extreme{at(7, 12, 13, 45), 88, true};
    r.IndoorTemp.Current = 215;
    r.IndoorTemp.Positive = true;
    r.IndoorTemp.Lo = Extreme{at(7, 12, 4, 5), 198, true};
    r.IndoorTemp.Hi = Extreme{at(6, 12, 18, 20), 231, true};
    r.Windchill.Current = 3;
    r.OutdoorHum.Current = 81;
    r.IndoorHum.Current = 45;
    r.OutdoorDew.Current = 2;
    r.IndoorDew.Current = 9;
    r.Barometer.SeaLevel = 10132;
    r.Barometer.Local = 1008;
    r.Barometer.Trend = 2;
    r.Barometer.Forecast = 2;
    r.Rain.Rate = 0;
    r.Rain.Yesterday = 3;
    r.Rain.Total = 127;
    r.Wind.GustSpeed = 34;
    r.Wind.GustDir = 225;
    r.Wind.AvgSpeed = 34;
    r.Wind.AvgDir = 225;
    r.Wind.HiSpeed = 123;
    r.Wind.HiDir = 270;
    r.Wind.HiTime = at(7, 12, 15, 7);
    d.WindMaxRing = {12, 79, 50, 34, 20};
    d.Rain24h = 0;
    // 3 mm this morning, nothing in the last hour.
    d.RainLog.note(december2026(6, 22, 0), 124);
    d.RainLog.note(december2026(7, 8, 0), 127);
    allGroupsArrived(d);
    return d;
}

StationData FrostyNight() {
    StationData d;
    WeatherRecord& r = d.Record;
    r.OutdoorTemp.Current = -206;
    r.OutdoorTemp.Positive = false;
    r.OutdoorTemp.Lo = Extreme{at(0, 12, 5, 0), -214, false};  // day 0: no valid stamp
    r.OutdoorTemp.Hi = Extreme{at(7, 12, 12, 0), -5, false};
    r.IndoorTemp.Current = 187;
    r.IndoorTemp.Positive = true;
    r.IndoorTemp.Lo = Extreme{at(31, 11, 2, 0), 5, true};  // 31 November: no valid stamp
    r.IndoorTemp.Hi = Extreme{at(7, 12, 8, 15), 201, true};
    r.Windchill.Current = -18;
    r.OutdoorHum.Current = 100;
    r.IndoorHum.Current = 38;
    r.OutdoorDew.Current = -12;
    r.IndoorDew.Current = 4;
    r.Barometer.SeaLevel = 9985;
    r.Barometer.Local = 981;
    r.Barometer.Trend = 4;
    r.Barometer.Forecast = 8;
    r.Rain.Rate = 2;
    r.Rain.Yesterday = 0;
    r.Rain.Total = 48;
    r.Wind.GustSpeed = 0;
    r.Wind.GustDir = 0;
    r.Wind.AvgSpeed = 156;
    r.Wind.AvgDir = 292;
    r.Wind.HiSpeed = 300;
    r.Wind.HiDir = 315;
    r.Wind.HiTime = at(7, 12, 3, 40);
    d.WindMaxRing = {120, 300, 250, 90, 10};
    d.Rain24h = 5;
    // 5 mm today, 2 of them in the last hour.
    d.RainLog.note(december2026(6, 22, 0), 43);
    d.RainLog.note(december2026(7, 20, 0), 46);
    d.RainLog.note(december2026(7, 21, 20), 48);
    allGroupsArrived(d);
    return d;
}

QByteArray ReadBytes(const QString& path) {
    return readAll(path);
}

testing::AssertionResult MatchesExpected(const QByteArray& actual, const QString& name) {
    return matchesGoldenFile(actual, QStringLiteral(WETTERPULT_TEST_DATA "/outputs/") + name);
}

void MakeBlocker(const QString& path) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("kein Ordner\n");
}

OutputTest::OutputTest() {
    settings.setProgramFolder(dir.path());
    Profile& read = settings.profile(1);
    read.Name = QStringLiteral("WX");
    read.Betreff = QStringLiteral("Wetter in Musterstadt");
    read.VOR = QStringList{QStringLiteral("Hallo"), QStringLiteral("zusammen")};
    read.NACH = QStringList{QStringLiteral("73"), QStringLiteral("de QQ9ZZ")};
    Profile& winter = settings.profile(2);
    winter.Name = QStringLiteral("Winterdienst");
    winter.Empfaenger = QStringLiteral("WETTER@DB0XYZ.DEU");
    winter.Absender = QStringLiteral("QQ9ZZ");
    winter.Betreff = QStringLiteral("Glatteiswarnung");
    winter.NACH = QStringList{QStringLiteral("nix")};
    settings.ProfileCount = 2;
}
