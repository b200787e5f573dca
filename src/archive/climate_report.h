// The climate reports: a month day by day and a year month by month, as a weather enthusiast
// publishes them. Each day's values come from the archive's daily summaries (worked out in SQL
// over the day table, marked values left out); a month of the yearly report and the period's
// totals are made from its days: the extremes of the days, the means of the daily means, the rain
// summed. The climatological day counts take only days with enough data (80 % of their minutes).
#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "archive/archive_queries.h"

// The day counts of a period.
struct ClimateCounts {
    int iceDays = 0;         // Eistage: highest below 0 °C
    int frostDays = 0;       // Frosttage: lowest below 0 °C
    int summerDays = 0;      // Sommertage: highest from 25 °C
    int hotDays = 0;         // heiße Tage: highest from 30 °C
    int tropicalNights = 0;  // Tropennächte: lowest from 20 °C
    int rainDays = 0;        // Regentage from 0.1 mm
    int wetDays = 0;         // from 1 mm
    int shortDays = 0;       // days with too little data (left out of the counts above)

    bool operator==(const ClimateCounts&) const = default;
};

// One line of a report: a day of a month, a month of a year, or the whole period.
struct ClimateLine {
    int index = 0;                        // day of the month, month of the year (0: the period)
    std::optional<TimedValue> high, low;  // outdoor, tenths of °C
    std::optional<double> tempMean;       // tenths of °C
    std::optional<double> humidityMean;   // %
    std::optional<double> pressureMean;   // sea level, tenths of hPa
    std::optional<double> windMean;       // tenths of m/s
    std::optional<TimedGust> gust;        // tenths of m/s
    std::optional<std::int32_t> rain;     // mm
    int minutes = 0;                      // rows in the archive
    int expectedMinutes = 0;              // minutes of the local day(s)
    bool enough = false;                  // a day with at least 80 % of its minutes
    ClimateCounts counts;
};

struct ClimateReport {
    int year = 0;
    int month = 0;                   // 1..12; 0: the yearly report
    std::vector<ClimateLine> lines;  // every day of the month or every month of the year
    ClimateLine total;
};

// The report of a month (1..12) or, with month 0, of a year.
ClimateReport climateReport(ArchiveReader& reader, int year, int month);
// Its text in fixed columns, German, numbers with the decimal point; the lines without ends.
QStringList climateReportText(ArchiveReader& reader, const ClimateReport& report);
// "2026-11" or "2026" into year and month (0 for a year). False with a German reason.
bool parseReportPeriod(const QString& text, int* year, int* month, QString* error);
// The report's file name: "Bericht-2026-11.txt", "Bericht-2026.txt".
QString reportFileName(int year, int month);
// Writes the report into `folder` (Windows-1252, CR LF, the whole file or nothing). False with a
// German reason.
bool writeClimateReport(ArchiveReader& reader, const QString& folder, int year, int month,
                        QString* error);
