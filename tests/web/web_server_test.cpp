// The web page's server on loopback: the JSON interface against an archive filled from a simulated
// week and against station data from the simulated station's groups, what it refuses (other
// methods, bad parameters, paths that try to leave its files, oversized requests, too many
// connections, a port in use), and the live path to an open page.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlDatabase>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <memory>

#include "archive/archive_schema.h"
#include "archive/minute_row.h"
#include "base/app_clock.h"
#include "base/notifier.h"
#include "base/text_file.h"
#include "sim_stream.h"
#include "station/data_age.h"
#include "station/group_table.h"
#include "station/quality_gate.h"
#include "station_model.h"
#include "support/wait.h"
#include "web/web_server.h"
#include "web_exchange.h"

namespace {

const QDateTime kStart(QDate(2026, 6, 1), QTime(0, 0));

struct WebSetup {
    QTemporaryDir dir;
    StationData data;
    Settings settings;
    std::unique_ptr<WebServer> server;

    WebSetup() {
        settings.ProgramFolder = dir.path() + "/";
        settings.WebAktiv = true;
        settings.WebAdresse = QStringLiteral("127.0.0.1");
        settings.WebPort = 0;  // a free one
    }
    quint16 start() {
        server = std::make_unique<WebServer>(data, settings);
        server->apply();
        return server->port();
    }
};

// A week of the simulated station's minutes in the archive of `folder`; the highest and lowest
// outdoor temperature of each local day.
struct SimulatedWeek {
    std::map<QDate, std::pair<int, int>> dayTemps;
    std::int32_t highest = -10000;

    explicit SimulatedWeek(const QString& path) {
        StationModel model(7, kStart);
        QString error;
        if (!openArchive(path, "week", &error))
            return;
        {
            QSqlDatabase db = QSqlDatabase::database("week");
            MinuteInsert insert(db);
            db.transaction();
            QSqlError failure;
            for (int m = 0; m < 7 * 24 * 60; ++m) {
                model.advance(60);
                MinuteRow row;
                row.minute = model.now().toSecsSinceEpoch() / 60 * 60;
                row.utcOffset = model.now().offsetFromUtc();
                for (std::uint8_t g : kGroupBytes)
                    takeGroupValues(row, g, model.record());
                const int t = *row[Quantity::OutdoorTemp];
                highest = std::max(highest, t);
                auto [it, fresh] =
                    dayTemps.try_emplace(QDateTime::fromSecsSinceEpoch(row.minute).date(), t, t);
                it->second = {std::max(it->second.first, t), std::min(it->second.second, t)};
                insert.insert(row, &failure);
            }
            db.commit();
        }
        closeArchive("week");
    }
};

// Feeds the simulated station's groups of `seconds` seconds into `data`, leaving out `skip`.
void feedGroups(StationData& data, SimStream& stream, int seconds, std::uint8_t skip = 0) {
    for (int s = 0; s < seconds; ++s)
        for (const QByteArray& bytes : stream.nextSecond()) {
            const std::uint8_t byte = std::uint8_t(bytes[0]);
            const GroupInfo* group = groupFor(byte);
            if (!group || byte == skip)
                continue;
            applyGroup(data, *group,
                       GroupBody(reinterpret_cast<const std::uint8_t*>(bytes.constData()) + 1,
                                 decodedBodySize(*group)));
            noteGroupArrival(data, byte, AppClock::currentMSecsSinceEpoch());
        }
}

}  // namespace

TEST(WebApi, ArchiveAnswersMatchASimulatedWeek) {
    WebSetup web;
    SimulatedWeek week(web.settings.archivePath());
    ASSERT_EQ(week.dayTemps.size(), 8u);  // seven days from 00:01, the last minute on day eight
    FixedClock clock(kStart.addDays(7).addSecs(30));
    ScopedClock scoped(clock);
    const quint16 port = web.start();

    const Reply series =
        get(port, "/api/series?from=2026-06-01T00:00:00&to=2026-06-08T00:00:00&points=4000");
    ASSERT_EQ(series.status, 200) << series.body.constData();
    EXPECT_TRUE(series.head.contains("application/json"));
    const QJsonArray temps = series.json()["series"].toObject()["temperature"].toArray();
    ASSERT_FALSE(temps.isEmpty());
    EXPECT_LE(temps.size(), 4000);
    double top = -1000;
    for (const QJsonValue& p : temps)
        top = std::max(top, p.toArray()[1].toDouble());
    EXPECT_DOUBLE_EQ(top, week.highest / 10.0) << "the reduction keeps the week's peak";

    const Reply days = get(port, "/api/days?from=2026-06-02&to=2026-06-04");
    ASSERT_EQ(days.status, 200) << days.body.constData();
    const QJsonArray list = days.json()["days"].toArray();
    ASSERT_EQ(list.size(), 3);
    const auto [high, low] = week.dayTemps.at(QDate(2026, 6, 3));
    EXPECT_EQ(list[1].toObject()["day"].toString(), "2026-06-03");
    EXPECT_DOUBLE_EQ(list[1].toObject()["temp_high"].toObject()["value"].toDouble(), high / 10.0);
    EXPECT_DOUBLE_EQ(list[1].toObject()["temp_low"].toObject()["value"].toDouble(), low / 10.0);

    const QJsonObject records = get(port, "/api/records").json();
    EXPECT_DOUBLE_EQ(records["ever"].toObject()["temp_high"].toObject()["value"].toDouble(),
                     week.highest / 10.0);
    // Today holds the week's last minute, at midnight.
    EXPECT_DOUBLE_EQ(records["today"].toObject()["temp_high"].toObject()["value"].toDouble(),
                     week.dayTemps.at(QDate(2026, 6, 8)).first / 10.0);
}

TEST(WebApi, CurrentValuesAreTheStationsAndMissingOnesNull) {
    WebSetup web;
    FixedClock clock(kStart);
    ScopedClock scoped(clock);
    StationModel model(3, kStart);
    SimStream stream(model, 3);
    feedGroups(web.data, stream, 90, 0xCF);  // no wind group yet
    const quint16 port = web.start();

    QJsonObject now = get(port, "/api/current").json();
    EXPECT_DOUBLE_EQ(now["temperature"].toDouble(),
                     *measuredInRecord(model.record(), Quantity::OutdoorTemp) / 10.0);
    EXPECT_EQ(now["humidity"].toInt(), *measuredInRecord(model.record(), Quantity::OutdoorHum));
    EXPECT_TRUE(now["wind_speed"].isNull());
    EXPECT_TRUE(now["wind_direction"].isNull());
    EXPECT_FALSE(now["fresh"].toBool());

    feedGroups(web.data, stream, 60);
    clock.advanceSeconds(7);
    now = get(port, "/api/current").json();
    EXPECT_TRUE(now["fresh"].toBool());
    EXPECT_EQ(now["age_s"].toInt(), 7);
    EXPECT_DOUBLE_EQ(now["wind_speed"].toDouble(),
                     *measuredInRecord(model.record(), Quantity::AvgSpeed) / 10.0);
}

TEST(WebServer, RefusesWhatItDoesNotServe) {
    WebSetup web;
    ASSERT_TRUE(textfile::replaceWhole(web.dir.filePath("wetterpult.ini"),
                                       textfile::crlfLines({"[Web]", "WebAktiv=1"})));
    const quint16 port = web.start();
    ASSERT_NE(port, 0);

    for (const char* path : {"/../wetterpult.ini", "/%2e%2e/wetterpult.ini", "/%2e%2e/",
                             "/app.js/../../wetterpult.ini", "//etc/passwd", "/nix"}) {
        const Reply reply = get(port, path);
        EXPECT_EQ(reply.status, 404) << path;
        EXPECT_FALSE(reply.body.contains("WebAktiv")) << path;
    }
    for (const char* query :
         {"/api/series?points=4001", "/api/series?points=zwei", "/api/series?from=gestern",
          "/api/series?from=2026-06-02T00:00:00&to=2026-06-01T00:00:00",
          "/api/days?from=2026-13-01", "/api/days?from=2026-06-02&to=2026-06-01",
          "/api/days?from=2000-01-01&to=2026-01-01"}) {
        const Reply reply = get(port, query);
        EXPECT_EQ(reply.status, 400) << query;
        EXPECT_FALSE(reply.json()["fehler"].toString().isEmpty()) << query;
    }
    const Reply post = exchange(
        port, "POST /api/current HTTP/1.1\r\nHost: 127.0.0.1\r\nContent-Length: 2\r\n\r\n{}");
    EXPECT_EQ(post.status, 405);
    const Reply huge = exchange(
        port, "GET / HTTP/1.1\r\nHost: 127.0.0.1\r\nX-Fill: " + QByteArray(9000, 'a') + "\r\n\r\n");
    EXPECT_EQ(huge.status, 431);
    const Reply page = get(port, "/");
    EXPECT_EQ(page.status, 200);
    EXPECT_TRUE(page.head.contains("text/html"));
    EXPECT_TRUE(page.body.contains("Wetterpult"));
}

TEST(WebServer, KeepsToItsConnectionLimit) {
    WebSetup web;
    const quint16 port = web.start();
    std::vector<std::unique_ptr<QTcpSocket>> idle;
    for (int i = 0; i < WebServer::kMostConnections; ++i) {
        idle.push_back(std::make_unique<QTcpSocket>());
        idle.back()->connectToHost(QHostAddress::LocalHost, port);
    }
    ASSERT_TRUE(
        waitUntil([&] { return web.server->openConnections() == WebServer::kMostConnections; }));
    QTcpSocket one_more;
    one_more.connectToHost(QHostAddress::LocalHost, port);
    EXPECT_TRUE(waitUntil([&] { return one_more.state() == QAbstractSocket::UnconnectedState; }));
    idle.pop_back();
    EXPECT_TRUE(
        waitUntil([&] { return web.server->openConnections() < WebServer::kMostConnections; }));
    EXPECT_EQ(get(port, "/api/current").status, 200) << "a place is free again";
}

TEST(WebServer, PortInUseIsToldAndTheProgramGoesOn) {
    QTcpServer taken;
    ASSERT_TRUE(taken.listen(QHostAddress::LocalHost, 0));
    RecordingNotifier messages;
    ScopedNotifier scoped(messages);
    WebSetup web;
    web.settings.WebPort = taken.serverPort();
    web.start();
    EXPECT_FALSE(web.server->isRunning());
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_TRUE(messages.messages[0].text.contains("belegt"))
        << messages.texts().join('|').toStdString();
}

TEST(WebServer, ALivePageHearsANewGroup) {
    WebSetup web;
    StationModel model(5, kStart);
    SimStream stream(model, 5);
    feedGroups(web.data, stream, 60);
    const quint16 port = web.start();

    QTcpSocket live;
    live.connectToHost(QHostAddress::LocalHost, port);
    live.write("GET /api/events HTTP/1.1\r\nHost: 127.0.0.1\r\nAccept: text/event-stream\r\n\r\n");
    QByteArray got;
    ASSERT_TRUE(waitUntil([&] {
        got += live.readAll();
        return got.contains("\n\ndata: {") && got.endsWith("}\n\n");
    })) << got.constData();
    EXPECT_TRUE(got.startsWith("HTTP/1.1 200")) << got.constData();
    EXPECT_TRUE(got.contains("text/event-stream"));

    TempReading& outdoor = web.data.Record.OutdoorTemp;
    outdoor.Current = outdoor.Current == 123 ? 124 : 123;
    const QByteArray expected =
        "\"temperature\":" +
        QByteArray::number(*measured(web.data, Quantity::OutdoorTemp) / 10.0, 'f', 1);
    got.clear();
    web.server->dataRefreshed();
    EXPECT_TRUE(waitUntil([&] {
        got += live.readAll();
        return got.contains(expected);
    })) << got.constData();
}
