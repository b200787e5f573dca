// The climate reports of a simulated month and of a year with two short spells of data, against
// values worked out here from the minute rows themselves: every column of every day, the
// period's extremes and means, the day counts, and days with too little data left out of them.
#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cmath>
#include <map>
#include <numbers>
#include <random>

#include "archive/archive_queries.h"
#include "archive/archive_schema.h"
#include "archive/climate_report.h"
#include "base/formats.h"

namespace {
// What a day is, worked out from its rows in time order.
struct Day {
    int rows = 0;
    std::optional<TimedValue> high, low, gust;
    std::optional<int> gustDir;
    double tempSum = 0, humSum = 0, pressureSum = 0, windSum = 0;
    std::optional<int> rain;
};

// A month (or a few days) of minutes, and each local day's values from them.
struct Simulation {
    std::vector<MinuteRow> rows;
    std::map<QDate, Day> days;
    std::optional<int> lastTotal;

    // Every minute of `day` except the last `missing` ones; `base` is the day's mean temperature
    // in tenths, `rain` the millimetres that fall (a negative number: the total is reset first).
    void addDay(const QDate& day, int base, int rain, int missing, std::mt19937& random) {
        const std::int64_t start = day.startOfDay().toSecsSinceEpoch();
        const int minutes = int(day.startOfDay().secsTo(day.addDays(1).startOfDay()) / 60);
        Day& d = days[day];
        int total = lastTotal.value_or(100);
        if (rain < 0) {
            total = 0;  // the console's total was reset: what it shows after it is rain
            rain = -rain;
        }
        for (int m = 0; m < minutes - missing; ++m) {
            MinuteRow r;
            r.minute = start + m * 60;
            r.utcOffset = QDateTime::fromSecsSinceEpoch(r.minute).offsetFromUtc();
            r.groups = 0x1F;
            const int temp = base +
                             int(std::lround(60 * std::sin((m - 540) * std::numbers::pi / 720))) +
                             int(random() % 5);
            const int hum = 40 + int(random() % 60);
            const int pressure = 9900 + int(random() % 400);
            const int wind = int(random() % 80);
            const int gust = wind + int(random() % 120);
            const int dir = int(random() % 360);
            if (rain > 0 && m % 97 == 0 && m / 97 < rain)
                ++total;
            r[Quantity::OutdoorTemp] = temp;
            r[Quantity::OutdoorHum] = hum;
            r[Quantity::PressureSea] = pressure;
            r[Quantity::AvgSpeed] = wind;
            r[Quantity::MinuteGust] = gust;
            r[Quantity::MinuteGustDir] = dir;
            r[Quantity::RainTotal] = total;
            rows.push_back(r);

            ++d.rows;
            if (!d.high || temp > d.high->value)
                d.high = TimedValue{temp, r.minute};
            if (!d.low || temp < d.low->value)
                d.low = TimedValue{temp, r.minute};
            if (!d.gust || gust > d.gust->value) {
                d.gust = TimedValue{gust, r.minute};
                d.gustDir = dir;
            }
            d.tempSum += temp;
            d.humSum += hum;
            d.pressureSum += pressure;
            d.windSum += wind;
            if (lastTotal)
                d.rain = d.rain.value_or(0) + (total >= *lastTotal ? total - *lastTotal : total);
            else
                d.rain = 0;
            lastTotal = total;
        }
    }

    // The report's expectations over the days [first, last].
    ClimateLine expected(const QDate& first, const QDate& last) const {
        ClimateLine e;
        int means = 0;
        double temp = 0, hum = 0, pressure = 0, wind = 0;
        for (QDate day = first; day <= last; day = day.addDays(1)) {
            const int minutes = int(day.startOfDay().secsTo(day.addDays(1).startOfDay()) / 60);
            const auto it = days.find(day);
            if (it == days.end()) {
                ++e.counts.shortDays;
                continue;
            }
            const Day& d = it->second;
            if (!e.high || d.high->value > e.high->value)
                e.high = d.high;
            if (!e.low || d.low->value < e.low->value)
                e.low = d.low;
            if (!e.gust || d.gust->value > e.gust->speed.value)
                e.gust = TimedGust{*d.gust, d.gustDir};
            e.rain = e.rain.value_or(0) + d.rain.value_or(0);
            temp += d.tempSum / d.rows;
            hum += d.humSum / d.rows;
            pressure += d.pressureSum / d.rows;
            wind += d.windSum / d.rows;
            ++means;
            e.minutes += d.rows;
            if (d.rows * 5 < minutes * 4) {
                ++e.counts.shortDays;
                continue;
            }
            e.counts.iceDays += d.high->value < 0;
            e.counts.frostDays += d.low->value < 0;
            e.counts.summerDays += d.high->value >= 250;
            e.counts.hotDays += d.high->value >= 300;
            e.counts.tropicalNights += d.low->value >= 200;
            e.counts.rainDays += d.rain.value_or(0) > 0;
            e.counts.wetDays += d.rain.value_or(0) >= 1;
        }
        if (means > 0) {
            e.tempMean = temp / means;
            e.humidityMean = hum / means;
            e.pressureMean = pressure / means;
            e.windMean = wind / means;
        }
        return e;
    }

    void store(const QString& path) const {
        QString error;
        ASSERT_TRUE(openArchive(path, "fill", &error)) << error.toStdString();
        {
            QSqlDatabase db = QSqlDatabase::database("fill");
            MinuteInsert insert(db);
            db.transaction();
            for (const MinuteRow& r : rows) {
                QSqlError failure;
                ASSERT_TRUE(insert.insert(r, &failure)) << failure.text().toStdString();
            }
            db.commit();
        }
        closeArchive("fill");
    }
};

void expectLine(const ClimateLine& got, const ClimateLine& want, const std::string& what) {
    SCOPED_TRACE(what);
    const auto same = [](const std::optional<TimedValue>& a, const std::optional<TimedValue>& b) {
        ASSERT_EQ(bool(a), bool(b));
        if (a) {
            EXPECT_EQ(a->value, b->value);
            EXPECT_EQ(a->minute, b->minute);
        }
    };
    same(got.high, want.high);
    same(got.low, want.low);
    ASSERT_EQ(bool(got.gust), bool(want.gust));
    if (got.gust) {
        same(got.gust->speed, want.gust->speed);
        EXPECT_EQ(got.gust->direction, want.gust->direction);
    }
    EXPECT_EQ(got.rain, want.rain);
    EXPECT_EQ(got.minutes, want.minutes);
    for (const auto& [a, b] : {std::pair{got.tempMean, want.tempMean},
                               {got.humidityMean, want.humidityMean},
                               {got.pressureMean, want.pressureMean},
                               {got.windMean, want.windMean}}) {
        ASSERT_EQ(bool(a), bool(b));
        if (a) {
            EXPECT_NEAR(*a, *b, 1e-6);
        }
    }
    EXPECT_EQ(got.counts, want.counts);
}
}  // namespace

TEST(ClimateReport, MonthDayByDayWithCountsAndAShortDay) {
    std::mt19937 random(24);
    Simulation sim;
    // Days that are cold, frosty, mild, summery, hot and tropical in turn; rain on some, a reset of
    // the total on one; the 17th with 70 % of its minutes, the 25th without any.
    const int bases[] = {-90, -20, 80, 200, 280, 300};
    for (int d = 1; d <= 30; ++d) {
        if (d == 25)
            continue;
        sim.addDay(QDate(2026, 11, d), bases[d % 6],
                   d == 9       ? -3
                   : d % 4 == 0 ? d / 4
                                : 0,
                   d == 17 ? 432 : 0, random);
    }
    QTemporaryDir dir;
    const QString path = dir.path() + "/wetterpult.sqlite";
    sim.store(path);

    ArchiveReader reader(path);
    const ClimateReport report = climateReport(reader, 2026, 11);
    ASSERT_EQ(report.lines.size(), 30u);
    for (int d = 1; d <= 30; ++d) {
        const QDate day(2026, 11, d);
        expectLine(report.lines[std::size_t(d - 1)], sim.expected(day, day),
                   day.toString(Qt::ISODate).toStdString());
    }
    EXPECT_FALSE(report.lines[16].enough);
    EXPECT_FALSE(report.lines[24].enough);
    const ClimateLine month = sim.expected(QDate(2026, 11, 1), QDate(2026, 11, 30));
    expectLine(report.total, month, "month");
    // Every kind of day is there, so that each count is tested.
    EXPECT_GT(month.counts.iceDays, 0);
    EXPECT_GT(month.counts.tropicalNights, 0);
    EXPECT_EQ(month.counts.shortDays, 2);

    // The text: the day's line in its columns, the short day marked, the counts.
    const QStringList text = climateReportText(reader, report);
    EXPECT_EQ(text[0], "Klimabericht November 2026");
    const ClimateLine& third = report.lines[2];
    const QString line3 = text.filter(QRegularExpression("^  3  ")).value(0);
    EXPECT_TRUE(line3.contains(" " + Formats::fixedPoint(third.high->value, 1) + " "));
    EXPECT_TRUE(line3.contains(" " + QString::number(*third.pressureMean / 10, 'f', 1) + " "));
    EXPECT_EQ(text.filter(QRegularExpression("^ 17\\* ")).size(), 1);
    EXPECT_TRUE(text.contains(QStringLiteral("Tropennächte (Tiefstwert ab 20 °C):     %1")
                                  .arg(month.counts.tropicalNights, 4)));

    // Written as a file: Windows-1252 with CR LF.
    QString error;
    ASSERT_TRUE(writeClimateReport(reader, dir.path() + "/Berichte", 2026, 11, &error));
    QFile file(dir.path() + "/Berichte/Bericht-2026-11.txt");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("Klimabericht November 2026\r\n"));
    EXPECT_TRUE(
        bytes.contains("Hei\xDF"
                       "e Tage"));
}

TEST(ClimateReport, YearMonthByMonth) {
    std::mt19937 random(2026);
    Simulation sim;
    for (int d = 1; d <= 3; ++d)
        sim.addDay(QDate(2026, 1, d), -60, d, 0, random);
    for (int d = 10; d <= 12; ++d)
        sim.addDay(QDate(2026, 7, d), 260, 0, d == 12 ? 1000 : 0, random);
    QTemporaryDir dir;
    const QString path = dir.path() + "/wetterpult.sqlite";
    sim.store(path);

    ArchiveReader reader(path);
    const ClimateReport report = climateReport(reader, 2026, 0);
    ASSERT_EQ(report.lines.size(), 12u);
    for (int m = 1; m <= 12; ++m) {
        const QDate first(2026, m, 1);
        expectLine(report.lines[std::size_t(m - 1)],
                   sim.expected(first, first.addDays(first.daysInMonth() - 1)),
                   first.toString("MMMM").toStdString());
    }
    expectLine(report.total, sim.expected(QDate(2026, 1, 1), QDate(2026, 12, 31)), "year");
    EXPECT_EQ(report.total.counts.shortDays, 365 - 5);
    const QStringList text = climateReportText(reader, report);
    EXPECT_EQ(text[0], "Klimabericht 2026");
    EXPECT_EQ(text.filter(QRegularExpression("^(Jan|Feb|Mrz|Apr|Mai|Jun|Jul|Aug|Sep|Okt|Nov|Dez) "))
                  .size(),
              12);
}
