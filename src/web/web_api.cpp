#include "web/web_api.h"

#include <QDateTime>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <array>
#include <cmath>

#include "archive/archive_queries.h"
#include "base/app_clock.h"
#include "publish/mqtt_state.h"
#include "station/data_age.h"

namespace {

// The archive's quantities by the names the state message gives them, with the factor from the
// archive's units to the message's.
struct SeriesName {
    Quantity quantity;
    const char* key;
    double scale;
};

constexpr std::array<SeriesName, kQuantityCount> kSeriesNames{{
    {Quantity::IndoorTemp, "indoor_temperature", 0.1},
    {Quantity::OutdoorTemp, "temperature", 0.1},
    {Quantity::IndoorHum, "indoor_humidity", 1},
    {Quantity::OutdoorHum, "humidity", 1},
    {Quantity::IndoorDew, "indoor_dewpoint", 1},
    {Quantity::OutdoorDew, "dewpoint", 1},
    {Quantity::PressureLocal, "station_pressure", 1},
    {Quantity::PressureSea, "pressure", 0.1},
    {Quantity::GustSpeed, "wind_gust", 0.1},
    {Quantity::GustDir, "wind_gust_direction", 1},
    {Quantity::AvgSpeed, "wind_speed", 0.1},
    {Quantity::AvgDir, "wind_direction", 1},
    {Quantity::MinuteGust, "minute_gust", 0.1},
    {Quantity::MinuteGustDir, "minute_gust_direction", 1},
    {Quantity::Windchill, "windchill", 1},
    {Quantity::RainRate, "rain_rate", 1},
    {Quantity::RainTotal, "rain_total", 1},
}};

// A value in tenths as a number with one decimal.
QByteArray tenthsText(std::int32_t v) {
    QByteArray out;
    if (v < 0)
        out += '-';
    out += QByteArray::number(std::abs(v) / 10);
    out += '.';
    out += char('0' + std::abs(v) % 10);
    return out;
}

QByteArray valueText(std::int32_t v, double scale) {
    return scale < 1 ? tenthsText(v) : QByteArray::number(v);
}

// Seconds since 1970 as local ISO time with its offset ("2026-12-09T19:00:00+01:00").
QString isoTime(std::int64_t seconds) {
    const QDateTime t = QDateTime::fromSecsSinceEpoch(seconds);
    return t.toOffsetFromUtc(t.offsetFromUtc()).toString(Qt::ISODate);
}

QJsonValue rounded(const std::optional<double>& v, double scale) {
    if (!v)
        return QJsonValue::Null;
    return std::round(*v * scale * 10) / 10;
}

QJsonValue timed(const std::optional<TimedValue>& v, double scale) {
    if (!v)
        return QJsonValue::Null;
    return QJsonObject{{"value", std::round(v->value * scale * 10) / 10},
                       {"time", isoTime(v->minute)}};
}

QJsonValue gustJson(const std::optional<TimedGust>& g) {
    if (!g)
        return QJsonValue::Null;
    return QJsonObject{
        {"value", g->speed.value / 10.0},
        {"direction", g->direction ? QJsonValue(*g->direction) : QJsonValue(QJsonValue::Null)},
        {"time", isoTime(g->speed.minute)}};
}

QJsonObject dayJson(const DaySummary& d) {
    return QJsonObject{{"day", d.day.toString(Qt::ISODate)},
                       {"temp_high", timed(d.tempHigh, 0.1)},
                       {"temp_low", timed(d.tempLow, 0.1)},
                       {"temp_mean", rounded(d.tempMean, 0.1)},
                       {"humidity_mean", rounded(d.humidityMean, 1)},
                       {"pressure_mean", rounded(d.pressureMean, 0.1)},
                       {"wind_mean", rounded(d.windMean, 0.1)},
                       {"gust", gustJson(d.gust)},
                       {"rain", d.rain ? QJsonValue(*d.rain) : QJsonValue(QJsonValue::Null)},
                       {"minutes", d.minutes}};
}

QJsonObject recordsJson(const PeriodRecords& r) {
    QJsonValue wettest = QJsonValue::Null;
    if (r.wettestDay)
        wettest = QJsonObject{{"day", r.wettestDay->day.toString(Qt::ISODate)},
                              {"rain", r.wettestDay->rain ? QJsonValue(*r.wettestDay->rain)
                                                          : QJsonValue(QJsonValue::Null)}};
    return QJsonObject{{"temp_high", timed(r.tempHigh, 0.1)},
                       {"temp_low", timed(r.tempLow, 0.1)},
                       {"gust", gustJson(r.gust)},
                       {"wettest_day", wettest}};
}

WebReply jsonReply(const QJsonObject& object) {
    return {200, QJsonDocument(object).toJson(QJsonDocument::Compact)};
}

// A time parameter: ISO 8601 date and time (with or without its offset; without one it is the
// station's local time), or a date alone (its local midnight).
std::optional<QDateTime> timeParameter(const QString& text) {
    QDateTime t = QDateTime::fromString(text, Qt::ISODate);
    if (!t.isValid()) {
        const QDate day = QDate::fromString(text, Qt::ISODate);
        if (!day.isValid())
            return std::nullopt;
        t = QDateTime(day, QTime(0, 0));
    }
    return t;
}

QString quoted(const char* name) {
    return QStringLiteral("„%1“").arg(QLatin1String(name));
}

}  // namespace

WebApi::WebApi(const StationData& data, const Settings& settings)
    : data_(data), settings_(settings) {}

WebApi::~WebApi() = default;

WebReply WebApi::badRequest(const QString& text) {
    return {400, QJsonDocument(QJsonObject{{"fehler", text}}).toJson(QJsonDocument::Compact)};
}

std::optional<WebReply> WebApi::answer(const QString& path, const QUrlQuery& query) {
    if (path == QLatin1String("/api/current"))
        return WebReply{200, current()};
    if (path == QLatin1String("/api/series"))
        return series(query);
    if (path == QLatin1String("/api/days"))
        return days(query);
    if (path == QLatin1String("/api/records"))
        return records();
    return std::nullopt;
}

QByteArray WebApi::current() const {
    const QDateTime now = AppClock::currentDateTime();
    const std::int64_t nowMs = now.toMSecsSinceEpoch();
    QByteArray out = mqttStateJson(data_, now);
    out.chop(1);  // the closing brace
    out += ",\"fresh\":";
    out += allGroupsFresh(data_, nowMs) ? "true" : "false";
    std::int64_t last = 0;
    for (std::int64_t arrived : data_.GroupArrivedMs)
        last = std::max(last, arrived);
    out += ",\"age_s\":";
    out += last == 0 ? QByteArray("null")
                     : QByteArray::number(std::max<std::int64_t>(0, (nowMs - last) / 1000));
    out += '}';
    return out;
}

ArchiveReader* WebApi::reader() {
    const QString path = settings_.archivePath();
    if (!settings_.ArchivAktiv || path.isEmpty() || !QFileInfo::exists(path))
        return nullptr;
    if (!reader_ || readerPath_ != path) {
        reader_.reset();  // one connection at a time
        reader_ = std::make_unique<ArchiveReader>(path);
        readerPath_ = path;
    }
    return reader_->isOpen() ? reader_.get() : nullptr;
}

WebReply WebApi::series(const QUrlQuery& query) {
    const QDateTime now = AppClock::currentDateTime();
    std::int64_t to = now.toSecsSinceEpoch() / 60 * 60 + 60;
    if (query.hasQueryItem(QStringLiteral("to"))) {
        const auto t = timeParameter(query.queryItemValue(QStringLiteral("to")));
        if (!t)
            return badRequest(QStringLiteral("%1 ist keine Zeit im ISO-Format "
                                             "(z. B. 2026-12-09T18:00:00).")
                                  .arg(quoted("to")));
        to = t->toSecsSinceEpoch();
    }
    std::int64_t from = to - 86400;
    if (query.hasQueryItem(QStringLiteral("from"))) {
        const auto t = timeParameter(query.queryItemValue(QStringLiteral("from")));
        if (!t)
            return badRequest(QStringLiteral("%1 ist keine Zeit im ISO-Format "
                                             "(z. B. 2026-12-09T18:00:00).")
                                  .arg(quoted("from")));
        from = t->toSecsSinceEpoch();
    }
    if (from >= to)
        return badRequest(
            QStringLiteral("%1 muss vor %2 liegen.").arg(quoted("from"), quoted("to")));
    int points = kDefaultPoints;
    if (query.hasQueryItem(QStringLiteral("points"))) {
        bool ok = false;
        points = query.queryItemValue(QStringLiteral("points")).toInt(&ok);
        if (!ok || points < 2 || points > kMostPoints)
            return badRequest(QStringLiteral("%1 muss eine ganze Zahl von 2 bis %2 sein.")
                                  .arg(quoted("points"))
                                  .arg(kMostPoints));
    }

    // Written by hand: a year's every quantity is tens of thousands of points.
    QByteArray out;
    out.reserve(64 * 1024);
    out += "{\"from\":\"" + isoTime(from).toLatin1() + "\",\"to\":\"" + isoTime(to).toLatin1() +
           "\",\"points\":" + QByteArray::number(points) + ",\"series\":{";
    ArchiveReader* archive = reader();
    bool firstSeries = true;
    for (const SeriesName& name : kSeriesNames) {
        if (!firstSeries)
            out += ',';
        firstSeries = false;
        out += '"';
        out += name.key;
        out += "\":[";
        if (archive) {
            bool first = true;
            for (const SeriesPoint& p : archive->reducedSeries(name.quantity, from, to, points)) {
                if (!first)
                    out += ',';
                first = false;
                out += '[' + QByteArray::number(p.minute * 1000) + ',' +
                       valueText(p.value, name.scale) + ']';
            }
        }
        out += ']';
    }
    // Rain as amounts per hour up to a week, per day beyond (the buckets' starts in local time).
    const int bucket = to - from <= 7 * 86400 ? 3600 : 86400;
    out += "},\"rain\":{\"bucket_s\":" + QByteArray::number(bucket) + ",\"values\":[";
    if (archive) {
        bool first = true;
        for (const auto& [localStart, mm] : archive->rainPerBucket(from, to, bucket)) {
            const QDateTime local = QDateTime::fromSecsSinceEpoch(localStart, Qt::UTC);
            const std::int64_t start =
                QDateTime(local.date(), local.time(), Qt::LocalTime).toMSecsSinceEpoch();
            if (!first)
                out += ',';
            first = false;
            out += '[' + QByteArray::number(start) + ',' + QByteArray::number(mm) + ']';
        }
    }
    out += "]}}";
    return {200, out};
}

WebReply WebApi::days(const QUrlQuery& query) {
    const QDate today = AppClock::currentDateTime().date();
    QDate last = today;
    if (query.hasQueryItem(QStringLiteral("to"))) {
        last = QDate::fromString(query.queryItemValue(QStringLiteral("to")), Qt::ISODate);
        if (!last.isValid())
            return badRequest(QStringLiteral("%1 ist kein Datum im ISO-Format (z. B. 2026-12-09).")
                                  .arg(quoted("to")));
    }
    QDate first = last.addDays(-29);
    if (query.hasQueryItem(QStringLiteral("from"))) {
        first = QDate::fromString(query.queryItemValue(QStringLiteral("from")), Qt::ISODate);
        if (!first.isValid())
            return badRequest(QStringLiteral("%1 ist kein Datum im ISO-Format (z. B. 2026-12-09).")
                                  .arg(quoted("from")));
    }
    if (first > last)
        return badRequest(
            QStringLiteral("%1 darf nicht nach %2 liegen.").arg(quoted("from"), quoted("to")));
    if (first.daysTo(last) >= kMostDays)
        return badRequest(QStringLiteral("Höchstens %1 Tage auf einmal.").arg(kMostDays));
    QJsonArray list;
    if (ArchiveReader* archive = reader()) {
        const std::int64_t from = QDateTime(first, QTime(0, 0)).toSecsSinceEpoch();
        const std::int64_t to = QDateTime(last.addDays(1), QTime(0, 0)).toSecsSinceEpoch();
        for (const DaySummary& d : archive->dailySummaries(from, to))
            list.append(dayJson(d));
    }
    return jsonReply(QJsonObject{
        {"from", first.toString(Qt::ISODate)}, {"to", last.toString(Qt::ISODate)}, {"days", list}});
}

WebReply WebApi::records() {
    const QDateTime now = AppClock::currentDateTime();
    const QDate today = now.date();
    const std::int64_t end = now.toSecsSinceEpoch() / 60 * 60 + 60;
    const std::array<std::pair<const char*, std::int64_t>, 4> periods{{
        {"today", QDateTime(today, QTime(0, 0)).toSecsSinceEpoch()},
        {"month", QDateTime(QDate(today.year(), today.month(), 1), QTime(0, 0)).toSecsSinceEpoch()},
        {"year", QDateTime(QDate(today.year(), 1, 1), QTime(0, 0)).toSecsSinceEpoch()},
        {"ever", 0},
    }};
    QJsonObject out;
    ArchiveReader* archive = reader();
    for (const auto& [name, start] : periods) {
        PeriodRecords r;
        if (archive)
            r = archive->records(start, start == 0 ? (std::int64_t(1) << 40) : end);
        out.insert(QLatin1String(name), recordsJson(r));
    }
    return jsonReply(out);
}
