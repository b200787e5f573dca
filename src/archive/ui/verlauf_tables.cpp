#include "archive/ui/verlauf_tables.h"

#include <QHeaderView>
#include <array>

#include "archive/archive_queries.h"
#include "archive/ui/verlauf_texts.h"
#include "base/formats.h"

RecordsTable::RecordsTable(QWidget* parent) : QTableWidget(4, 4, parent) {
    setObjectName(QStringLiteral("Rekorde"));
    setAccessibleName(QStringLiteral("Rekorde"));
    setHorizontalHeaderLabels({QStringLiteral("Heute"), QStringLiteral("Dieser Monat"),
                               QStringLiteral("Dieses Jahr"), QStringLiteral("Immer")});
    setVerticalHeaderLabels({QString::fromUtf8("Höchste Temperatur"),
                             QStringLiteral("Tiefste Temperatur"),
                             QString::fromUtf8("Stärkste Böe"), QStringLiteral("Nassester Tag")});
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
}

void RecordsTable::fill(ArchiveReader* reader, const QDateTime& now) {
    const QDate today = now.date();
    const std::int64_t end = minuteOf(now) + 60;
    const std::array<std::int64_t, 4> starts = {
        QDateTime(today, QTime(0, 0)).toSecsSinceEpoch(),
        QDateTime(QDate(today.year(), today.month(), 1), QTime(0, 0)).toSecsSinceEpoch(),
        QDateTime(QDate(today.year(), 1, 1), QTime(0, 0)).toSecsSinceEpoch(), 0};
    for (int column = 0; column < 4; ++column) {
        PeriodRecords r;
        if (reader)
            r = reader->records(starts[std::size_t(column)],
                                column == 3 ? (std::int64_t(1) << 40) : end);
        QString gustText = verlauf::dash();
        if (r.gust) {
            gustText = verlauf::shown(r.gust->speed.value, 1, "m/s");
            if (r.gust->direction)
                gustText += QStringLiteral(" aus %1°").arg(*r.gust->direction);
            gustText +=
                QStringLiteral("\n") + verlauf::localText(r.gust->speed.minute, "dd.MM.yyyy HH:mm");
        }
        const QString wettest =
            r.wettestDay ? verlauf::shown(r.wettestDay->rain, 0, "mm") + QStringLiteral("\n") +
                               r.wettestDay->day.toString(QStringLiteral("dd.MM.yyyy"))
                         : verlauf::dash();
        const std::array<QString, 4> texts = {verlauf::timedText(r.tempHigh, 1, "°C"),
                                              verlauf::timedText(r.tempLow, 1, "°C"), gustText,
                                              wettest};
        for (int row = 0; row < 4; ++row)
            setItem(row, column, new QTableWidgetItem(texts[std::size_t(row)]));
    }
}

DaysTable::DaysTable(QWidget* parent) : QTableWidget(0, 13, parent) {
    setObjectName(QStringLiteral("Tageswerte"));
    setAccessibleName(QStringLiteral("Tageswerte"));
    setHorizontalHeaderLabels(
        QString::fromUtf8(
            "Datum;Höchst °C;um;Tiefst °C;um;Mittel °C;Feuchte %;Luftdruck mb;Wind m/s;Böe m/s;"
            "Richtung °;um;Regen mm")
            .split(QLatin1Char(';')));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    verticalHeader()->hide();
}

void DaysTable::fill(ArchiveReader* reader, const VerlaufRange& range) {
    setRowCount(0);
    if (!reader)
        return;
    const auto summaries = reader->dailySummaries(range.from, range.to);
    setRowCount(int(summaries.size()));
    const auto at = [](const std::optional<TimedValue>& v) {
        return v ? verlauf::localText(v->minute, "HH:mm") : verlauf::dash();
    };
    const auto mean = [](const std::optional<double>& v, double scale, int decimals) {
        return v ? Formats::german().real(*v * scale, decimals) : verlauf::dash();
    };
    const auto value = [](const std::optional<TimedValue>& v) {
        return v ? std::optional<std::int32_t>(v->value) : std::nullopt;
    };
    for (int i = 0; i < int(summaries.size()); ++i) {
        const DaySummary& d = summaries[std::size_t(i)];
        std::optional<TimedValue> gust;
        std::optional<std::int32_t> direction;
        if (d.gust) {
            gust = d.gust->speed;
            direction = d.gust->direction;
        }
        const QStringList cells = {d.day.toString(QStringLiteral("dd.MM.yyyy")),
                                   verlauf::shown(value(d.tempHigh), 1, ""),
                                   at(d.tempHigh),
                                   verlauf::shown(value(d.tempLow), 1, ""),
                                   at(d.tempLow),
                                   mean(d.tempMean, 0.1, 1),
                                   mean(d.humidityMean, 1, 0),
                                   mean(d.pressureMean, 0.1, 1),
                                   mean(d.windMean, 0.1, 1),
                                   verlauf::shown(value(gust), 1, ""),
                                   verlauf::shown(direction, 0, ""),
                                   at(gust),
                                   verlauf::shown(d.rain, 0, "")};
        for (int c = 0; c < cells.size(); ++c)
            setItem(i, c, new QTableWidgetItem(cells[c].trimmed()));
    }
    resizeColumnsToContents();
}
