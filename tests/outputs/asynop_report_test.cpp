#include "outputs/asynop_report.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <ctime>

#include "config/time_zone.h"
#include "outputs/asynop_lines.h"
#include "outputs/output_fixture.h"

namespace {

class Asynop : public OutputTest {
protected:
    Asynop() {
        settings.ASYNOPLong = QStringLiteral("71");  // fewer than four figures
        settings.ASYNOPnach = QStringLiteral("73 de QQ9ZZ");
        settings.ASYNOPDatei = path("ziel/asynop.txt");
        QDir(dir.path()).mkdir(QStringLiteral("ziel"));
    }

    void at(int hour, int minute) { clock.set(QDateTime(QDate(2026, 12, 7), QTime(hour, minute))); }
    QString line() { return AsynopReportLine(station, settings, clock.now()); }

    // Runs the hourly check once a minute from 00:00 to 23:59 of 7 December; before each minute
    // the hook may change the station values.
    template <typename Hook>
    void simulateDay(Hook hook) {
        for (int minute = 0; minute < 24 * 60; ++minute) {
            at(minute / 60, minute % 60);
            hook(minute / 60, minute % 60);
            AsynopHourlyCheck(context());
        }
    }

    QString working() const { return AsynopWorkingFile(settings); }
};

TEST_F(Asynop, ReportLineGroups) {
    settings.ASYNOPAbsender = QStringLiteral("QQ9ZZ ");
    settings.ASYNOPLong = QStringLiteral("0071");
    at(13, 0);
    EXPECT_EQ(line(),
              QStringLiteral("QQ9ZZ  07121 99505 10071 36/// /2203 10053 29081 40132 52///="));

    // Frost, rain, strong wind, low pressure; wind in whole m/s, halves to even.
    station.Record.OutdoorTemp.Current = -53;
    station.Record.OutdoorTemp.Positive = false;
    station.Record.Rain.Rate = 3;
    station.Record.Wind.GustSpeed = 156;
    station.Record.Barometer.SeaLevel = 9985;
    station.Record.Barometer.Forecast = 8;
    EXPECT_EQ(line(),
              QStringLiteral("QQ9ZZ  07121 99505 10071 16/// /2216 11053 29081 49985 58/// 6003="));
    station.Record.Wind.GustSpeed = 25;
    EXPECT_TRUE(line().contains(QStringLiteral(" /2202 ")));
    station.Record.Wind.GustSpeed = 35;
    EXPECT_TRUE(line().contains(QStringLiteral(" /2204 ")));

    // Rate out of range: indicator 4 and no rain group.
    station.Record.Rain.RateOutOfRange = true;
    EXPECT_TRUE(line().endsWith(QStringLiteral(" 46/// /2204 11053 29081 49985 58///=")));

    // A line at a non-synoptic hour carries the real UTC hour.
    at(15, 20);
    EXPECT_TRUE(line().startsWith(QStringLiteral("QQ9ZZ  07141 ")));
    // The UTC hour wraps and the day group takes the UTC day.
    settings.Zeitzone = -5;
    at(19, 0);
    EXPECT_TRUE(line().startsWith(QStringLiteral("QQ9ZZ  08001 ")));
    settings.Zeitzone = 3;
    at(1, 0);
    EXPECT_TRUE(line().startsWith(QStringLiteral("QQ9ZZ  06221 ")));
}

// The time zone "System" follows the machine's zone with its summer time: in Berlin 14:00 in July
// and 13:00 in December are both 12 UTC, a report hour; a fixed "+01" is an hour off in summer.
TEST_F(Asynop, SystemZoneFollowsSummerTime) {
    struct BerlinZone {
        QByteArray old = qgetenv("TZ");
        BerlinZone() { set("Europe/Berlin"); }
        ~BerlinZone() {
            if (old.isNull())
                qunsetenv("TZ");
            else
                set(old);
            tzset();
        }
        static void set(const QByteArray& zone) {
            qputenv("TZ", zone);
            tzset();
        }
    } berlin;
    settings.ASYNOPAbsender = QStringLiteral("QQ9ZZ ");
    settings.ZeitzoneIndex = kSystemZoneIndex;
    clock.set(QDateTime(QDate(2026, 7, 7), QTime(14, 0)));
    EXPECT_TRUE(line().startsWith(QStringLiteral("QQ9ZZ  07121 "))) << line().toStdString();
    at(13, 0);
    EXPECT_TRUE(line().startsWith(QStringLiteral("QQ9ZZ  07121 "))) << line().toStdString();

    settings.ZeitzoneIndex = 11;
    settings.Zeitzone = 1;
    clock.set(QDateTime(QDate(2026, 7, 7), QTime(14, 0)));
    EXPECT_TRUE(line().startsWith(QStringLiteral("QQ9ZZ  07131 "))) << line().toStdString();
}

TEST_F(Asynop, DailySummaryThroughADay) {
    const QString target = settings.ASYNOPDatei;
    settings.ASYNOPArchiv = true;
    QString statusAt0700;
    bool deliveredEarly = false;
    simulateDay([&](int hour, int minute) {
        if (hour == 12 && minute == 30) {  // rain and frost from midday
            station.Record.Rain.Rate = 3;
            station.Record.OutdoorTemp.Current = -53;
            station.Record.OutdoorTemp.Positive = false;
        }
        if (hour == 18 && minute == 30) {
            station.Record.Rain.RateOutOfRange = true;
            station.Record.Wind.GustSpeed = 156;
            station.Record.Wind.GustDir = 292;
            station.Record.Barometer.SeaLevel = 9985;
        }
        if (hour == 7 && minute == 1)
            statusAt0700 = AsynopStatusText(settings);
        if (hour == 18 && minute == 59)
            deliveredEarly = QFile::exists(target);
    });
    EXPECT_EQ(statusAt0700, QStringLiteral("ASYNOP: XX"));
    EXPECT_FALSE(deliveredEarly);
    EXPECT_TRUE(MatchesExpected(ReadBytes(target), "asynop_daily.txt"));
    EXPECT_TRUE(MatchesExpected(ReadBytes(working()), "asynop_daily.txt"));
    EXPECT_TRUE(MatchesExpected(ReadBytes(path("ASYNOP-Archiv/2026.12.07. - 19-00.txt")),
                                "asynop_daily.txt"));
    EXPECT_EQ(QDir(path("ASYNOP-Archiv")).entryList(QDir::Files).size(), 1);
    // Four report lines and the end part: the last line is not counted, the end part adds one.
    EXPECT_EQ(AsynopStatusText(settings), QStringLiteral("ASYNOP: XXXXX"));
    EXPECT_TRUE(notifier.messages.empty());
}

TEST_F(Asynop, FourTimesADayWithMonthAndWeekArchive) {
    settings.ASYNOPIntervall = true;
    settings.ASYNOPArchiv = true;
    settings.ASYNOPMonatsordner = true;
    settings.ASYNOPWochenordner = true;
    QStringList statusAfterHours;
    simulateDay([&](int hour, int minute) {
        if (minute == 1 && hour % 6 == 1)
            statusAfterHours << AsynopStatusText(settings);
    });
    // Each synoptic hour makes a complete file with one report line.
    EXPECT_EQ(statusAfterHours, QStringList(4, QStringLiteral("ASYNOP: XX")));
    const QString week = path("ASYNOP-Archiv/Dezember 2026/Woche 46/");
    EXPECT_EQ(
        QDir(week).entryList(QDir::Files),
        (QStringList{
            QStringLiteral("2026.12.07. - 01-00.txt"), QStringLiteral("2026.12.07. - 07-00.txt"),
            QStringLiteral("2026.12.07. - 13-00.txt"), QStringLiteral("2026.12.07. - 19-00.txt")}));
    // From the first report line on, the sender is filled to six characters in the head too.
    EXPECT_TRUE(MatchesExpected(ReadBytes(week + QStringLiteral("2026.12.07. - 13-00.txt")),
                                "asynop_four_1300.txt"));
    EXPECT_TRUE(ReadBytes(settings.ASYNOPDatei).contains("QQ9ZZ  07181 "));
    EXPECT_EQ(asynop.AsynopSubject, QStringLiteral("ASYNOP QQ9ZZ  07.12.26"));
}

TEST_F(Asynop, TimeZoneBehindUtcStartsTheDayInTheLocalEvening) {
    settings.Zeitzone = -5;
    at(19, 0);  // 00 UTC of 8 December
    AsynopHourlyCheck(context());
    EXPECT_TRUE(ReadBytes(working()).contains("\r\nQQ9ZZ  08001 99505 10071 "));
    at(13, 0);  // 18 UTC: the end part and the delivery
    AsynopHourlyCheck(context());
    EXPECT_TRUE(ReadBytes(settings.ASYNOPDatei).endsWith("/QAM/\r\n\r\n73 de QQ9ZZ\r\n"));
}

TEST_F(Asynop, StepsByHandAndStatusText) {
    EXPECT_EQ(AsynopStatusText(settings), QStringLiteral("ASYNOP: keine Datei"));
    at(21, 30);
    AsynopNewFile(context());
    EXPECT_EQ(AsynopStatusText(settings), QStringLiteral("ASYNOP: X"));
    EXPECT_EQ(asynop.AsynopSubject, QStringLiteral("ASYNOP QQ9ZZ 07.12.26"));
    AsynopAppendLine(context());
    EXPECT_EQ(AsynopStatusText(settings), QStringLiteral("ASYNOP: X"));
    AsynopAppendLine(context());
    EXPECT_EQ(AsynopStatusText(settings), QStringLiteral("ASYNOP: XX"));
    AsynopEndFile(context());
    EXPECT_EQ(AsynopStatusText(settings), QStringLiteral("ASYNOP: XXX"));
    // The files of the run write the sender filled to six characters; the setting, which is
    // saved, stays as the user wrote it.
    EXPECT_EQ(AsynopSender(settings.ASYNOPAbsender, asynop), QStringLiteral("QQ9ZZ "));
    EXPECT_EQ(settings.ASYNOPAbsender, QStringLiteral("QQ9ZZ"));
    EXPECT_TRUE(ReadBytes(working()).contains("\r\nQQ9ZZ  07201 99505 10071 36///"));
    // The steps by hand never deliver: only the hourly check copies.
    EXPECT_FALSE(QFile::exists(settings.ASYNOPDatei));
    EXPECT_TRUE(notifier.messages.empty());
}

TEST_F(Asynop, FailuresAreReportedAndNothingIsCreatedImplicitly) {
    AsynopAppendLine(context());
    AsynopEndFile(context());
    EXPECT_FALSE(QFile::exists(working()));
    ASSERT_EQ(notifier.messages.size(), 2u);
    EXPECT_EQ(notifier.messages[0].text,
              QString::fromUtf8("Konnte Zeile nicht in ASYNOP-Datei einfügen"));
    EXPECT_EQ(notifier.messages[1].text,
              QString::fromUtf8("ASYNOP-Datei konnte nicht beendet werden"));
    EXPECT_EQ(notifier.messages[1].buttons, MessageButtons::Ok);

    // A program folder that cannot hold the working file: the hourly check stops at the failed
    // step and delivers nothing.
    notifier.messages.clear();
    MakeBlocker(path("blocker"));
    settings.ProgramFolder = path("blocker") + QLatin1Char('/');
    settings.ASYNOPIntervall = true;
    at(13, 0);
    AsynopHourlyCheck(context());
    ASSERT_EQ(notifier.messages.size(), 1u);
    EXPECT_EQ(notifier.messages[0].text,
              QString::fromUtf8("ASYNOP-Datei konnte nicht eröffnet werden"));
    EXPECT_FALSE(QFile::exists(settings.ASYNOPDatei));
}

TEST_F(Asynop, AFinishedFileTakesNoLineAndNoSecondEnd) {
    at(13, 0);
    AsynopNewFile(context());
    AsynopAppendLine(context());
    AsynopEndFile(context());
    const QByteArray finished = ReadBytes(working());
    EXPECT_FALSE(AsynopAppendLine(context()));
    EXPECT_FALSE(AsynopEndFile(context()));
    EXPECT_EQ(ReadBytes(working()), finished);
    ASSERT_EQ(notifier.messages.size(), 2u);
    EXPECT_EQ(notifier.messages[0].text,
              QString::fromUtf8("Konnte Zeile nicht in ASYNOP-Datei einfügen"));
    EXPECT_EQ(notifier.messages[1].text,
              QString::fromUtf8("ASYNOP-Datei konnte nicht beendet werden"));
    EXPECT_EQ(notifier.messages[1].details,
              working() + QString::fromUtf8(": schon beendet (\"/QAM/\"); zuerst \"Neue Datei\""));
}

TEST_F(Asynop, FailedDeliveryAndArchiveAreReported) {
    MakeBlocker(path("blocker"));
    settings.ASYNOPDatei = path("blocker/asynop.txt");
    settings.ASYNOPArchiv = true;
    settings.ASYNOPIntervall = true;
    at(13, 0);
    AsynopHourlyCheck(context());  // the archive copy is still made
    ASSERT_EQ(notifier.messages.size(), 1u);
    EXPECT_EQ(notifier.messages[0].text,
              QString::fromUtf8("ASYNOP-Datei konnte nicht kopiert werden"));
    EXPECT_TRUE(notifier.messages[0].details.startsWith(settings.ASYNOPDatei + ": "));
    EXPECT_TRUE(QFile::exists(path("ASYNOP-Archiv/2026.12.07. - 13-00.txt")));

    notifier.messages.clear();
    settings.ASYNOPDatei = path("ziel/asynop.txt");
    MakeBlocker(path("ASYNOP-Archiv/Dezember 2026"));
    settings.ASYNOPMonatsordner = true;
    at(19, 0);
    AsynopHourlyCheck(context());
    ASSERT_EQ(notifier.messages.size(), 1u);
    EXPECT_EQ(notifier.messages[0].text,
              QString::fromUtf8("ASYNOP-Datei konnte nicht archiviert werden"));
    EXPECT_TRUE(QFile::exists(settings.ASYNOPDatei));
}

TEST(AsynopStatus, CountsReportLinesAfterTheSxsxLine) {
    const QString s = QStringLiteral("QQ9ZZ ");
    EXPECT_EQ(AsynopStatusFromLines({QStringLiteral("kopf")}, s), QStringLiteral("ASYNOP: X"));
    const QStringList head{QStringLiteral("QQ9ZZ  kein Bericht"), QStringLiteral("SXSX")};
    const QStringList three =
        head + QStringList{QStringLiteral("QQ9ZZ  1"), QStringLiteral("QQ9ZZ  2"),
                           QStringLiteral("QQ9ZZ  3")};
    EXPECT_EQ(AsynopStatusFromLines(three, s), QStringLiteral("ASYNOP: XXX"));
    // The comparison is exact in case and over the sender's length.
    EXPECT_EQ(AsynopStatusFromLines(three, QStringLiteral("qq9zz ")), QStringLiteral("ASYNOP: X"));
    EXPECT_EQ(AsynopStatusFromLines(three, QStringLiteral("QQ9ZZ  2")),
              QStringLiteral("ASYNOP: XX"));
}

}  // namespace
