// The answers of the web page's JSON interface: the station's current values (the MQTT state
// message's members through the quality gate, with the data's freshness) and what the archive holds
// (reduced series, daily values, records), as the "Verlauf" window reads them. Every answer is
// UTF-8 JSON; a missing value is null; a parameter that cannot be taken gives 400 with a German
// message. No answer touches a file other than the archive, whatever the request says.
#pragma once

#include <QByteArray>
#include <QString>
#include <QUrlQuery>
#include <memory>
#include <optional>

#include "config/settings.h"
#include "station/weather_record.h"

class ArchiveReader;

struct WebReply {
    int status = 200;
    QByteArray body;
};

class WebApi {
public:
    static constexpr int kMostPoints = 4000;
    static constexpr int kDefaultPoints = 1000;
    static constexpr int kMostDays = 3660;

    WebApi(const StationData& data, const Settings& settings);
    ~WebApi();
    WebApi(const WebApi&) = delete;
    WebApi& operator=(const WebApi&) = delete;

    // The answer to a GET of `path` ("/api/current", ...), or nullopt for a path that is none of
    // the interface's.
    std::optional<WebReply> answer(const QString& path, const QUrlQuery& query);

    // The current values: the state message's members, "fresh" (every group arrived within two
    // minutes) and "age_s" (seconds since the last group arrived; null before the first).
    QByteArray current() const;

    // {"fehler": text} with status 400.
    static WebReply badRequest(const QString& text);

private:
    WebReply series(const QUrlQuery& query);
    WebReply days(const QUrlQuery& query);
    WebReply records();
    // The archive, opened on first use (and again when its path changed); nullptr while it is
    // switched off or not there yet.
    ArchiveReader* reader();

    const StationData& data_;
    const Settings& settings_;
    std::unique_ptr<ArchiveReader> reader_;
    QString readerPath_;
};
