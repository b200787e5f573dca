// The uploads to the weather networks against stub servers of the test's own on loopback ports:
// an APRS-IS server (banner, "# logresp", the packet read back by direwolf's decode_aprs) and a
// Weather Underground server (the request's parameters); the failure spells; the minutes of the
// hour the uploads go out at.
#include "publish/uploads.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUrlQuery>
#include <cmath>

#include "base/app_clock.h"
#include "base/notifier.h"
#include "publish/cwop_packet.h"
#include "publish/upload_schedule.h"
#include "station/quality_gate.h"
#include "station/station_input.h"
#include "support/wait.h"

namespace {

// Answers each line-ending request with the lines `reply` gives for it; keeps what arrived.
class LineStub : public QObject {
public:
    std::function<QByteArray(const QByteArray& line)> reply;
    QByteArray banner;
    QList<QByteArray> lines;
    int connections = 0;

    bool listen() {
        connect(&server_, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = server_.nextPendingConnection()) {
                ++connections;
                socket->write(banner);
                connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                    while (socket->canReadLine()) {
                        const QByteArray line = socket->readLine();
                        lines << line;
                        if (const QByteArray answer = reply(line); !answer.isEmpty())
                            socket->write(answer);
                    }
                });
                connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            }
        });
        return server_.listen(QHostAddress::LocalHost, 0);
    }
    int port() const { return server_.serverPort(); }

private:
    QTcpServer server_;
};

// A station after a replayed capture, its clock standing still, and the uploads.
struct Station {
    FixedClock clock{QDateTime(QDate(2026, 6, 1), QTime(14, 20, 5), Qt::UTC)};
    ScopedClock scopedClock{clock};
    StationData data;
    StationInput input{data};
    Settings settings;
    RecordingNotifier notifier;
    ScopedNotifier scopedNotifier{notifier};
    Uploads uploads{data, settings};
    QList<std::pair<bool, QString>> outcomes;
    QByteArray capture;

    Station() {
        QFile file(QStringLiteral(WETTERPULT_TEST_DATA "/captures/clean_rounds.bin"));
        if (file.open(QIODevice::ReadOnly))
            capture = file.readAll();
        refresh();
        QObject::connect(&uploads, &Uploads::uploadFinished,
                         [this](const QString&, bool ok, const QString& reason) {
                             outcomes << std::pair{ok, reason};
                         });
        settings.Rufzeichen = QStringLiteral("CW1234");
        settings.ASYNOPLat = QStringLiteral("505");
        settings.ASYNOPLong = QStringLiteral("080");
        settings.ASYNOPErdquadrant = 1;
        settings.APRSISServer = QStringLiteral("127.0.0.1");
        settings.WUStation = QStringLiteral("IGARTEN7");
        settings.WUSchluessel = QStringLiteral("geheim+&1");
    }
    bool send(const QString& command, int outcomesBefore) {
        uploads.sendNow(command);
        return waitUntil([&] { return outcomes.size() > outcomesBefore; });
    }
    double value(Quantity q) const { return *measured(data, q); }
    // The capture once more: every group arrives now.
    void refresh() { input.road().feed(capture); }
    QString localTime() const {
        return clock.now().toLocalTime().toString(QStringLiteral("HH:mm"));
    }
    double rainInches(Measured RainFigures::*figure) const {
        return *(measuredRain(data, clock.now()).*figure) / 25.4;
    }
};

QByteArray aprsIsLogresp(const QByteArray& state) {
    return "# logresp CW1234 " + state + ", server T2STUB\r\n";
}

QByteArray httpAnswer(const QByteArray& body) {
    return "HTTP/1.1 200 OK\r\nContent-Length: " + QByteArray::number(body.size()) +
           "\r\nConnection: close\r\n\r\n" + body;
}

// The request's parameters as the stub received them.
QUrlQuery queryOf(const QByteArray& requestLine) {
    const QUrl url(QString::fromLatin1(requestLine.split(' ').value(1)));
    return QUrlQuery(url);
}

}  // namespace

TEST(CwopUpload, LogsInSendsOnePacketThatDecodeAprsReadsAsTheStationsWeather) {
    Station station;
    LineStub stub;
    stub.banner = "# aprsc 2.1.14-g5e22b37\r\n";
    // A CW station has no passcode: "unverified" is its normal answer.
    stub.reply = [](const QByteArray& line) {
        return line.startsWith("user ") ? aprsIsLogresp("unverified") : QByteArray();
    };
    ASSERT_TRUE(stub.listen());
    station.settings.APRSISPort = stub.port();
    ASSERT_TRUE(station.send(QStringLiteral("cwop"), 0));
    ASSERT_TRUE(station.outcomes[0].first) << station.outcomes[0].second.toStdString();
    ASSERT_TRUE(waitUntil([&] { return stub.lines.size() == 2; }));

    EXPECT_EQ(stub.lines[0], "user CW1234 pass -1 vers Wetterpult 0.2.1b\r\n");
    const QByteArray packet = stub.lines[1].trimmed();
    EXPECT_TRUE(packet.startsWith("CW1234>APRS,TCPIP*:@011420z5030.00N/00800.00E_"))
        << packet.data();

    const QString decoder = QStandardPaths::findExecutable(QStringLiteral("decode_aprs"));
    if (decoder.isEmpty())
        GTEST_SKIP() << "decode_aprs (Debian direwolf) is not installed";
    QProcess decode;
    decode.start(decoder, {});
    decode.write(packet + '\n');
    decode.closeWriteChannel();
    ASSERT_TRUE(decode.waitForFinished(10000));
    const QString text = QString::fromUtf8(decode.readAllStandardOutput())
                             .remove(QRegularExpression(QStringLiteral("\x1b\\[[0-9;]*[A-Za-z]")));
    EXPECT_TRUE(text.contains(QStringLiteral("N 50 30.0000, E 008 00.0000"))) << text.toStdString();
    const double fahrenheit = station.value(Quantity::OutdoorTemp) / 10.0 * 9 / 5 + 32;
    const double gustMph = *measuredFiveMinuteGust(station.data) / 10.0 * 2.23694;
    const double inHg = station.value(Quantity::PressureSea) / 10.0 * 0.0295300;
    for (const QString& expected :
         {QStringLiteral("direction %1,").arg(station.value(Quantity::AvgDir)),
          QStringLiteral("gust %1,").arg(std::lround(gustMph)),
          QStringLiteral("temperature %1,").arg(std::lround(fahrenheit)),
          QStringLiteral("humidity %1,").arg(station.value(Quantity::OutdoorHum)),
          QStringLiteral("barometer %1,").arg(inHg, 0, 'f', 2),
          QStringLiteral("rain %1 in last hour")
              .arg(station.rainInches(&RainFigures::lastHour), 0, 'f', 2)})
        EXPECT_TRUE(text.contains(expected))
            << expected.toStdString() << " in " << text.toStdString();
}

TEST(CwopUpload, AnUnverifiedLoginOfAPasscodeSendsNothingAndIsToldOncePerSpell) {
    Station station;
    LineStub stub;
    stub.reply = [](const QByteArray& line) {
        return line.startsWith("user ") ? aprsIsLogresp("unverified") : QByteArray();
    };
    ASSERT_TRUE(stub.listen());
    station.settings.APRSISAktiv = true;
    station.settings.APRSISPort = stub.port();
    station.settings.Passcode = QStringLiteral("12345");
    ASSERT_TRUE(station.send(QStringLiteral("cwop"), 0));
    ASSERT_TRUE(station.send(QStringLiteral("cwop"), 1));

    EXPECT_FALSE(station.outcomes[1].first);
    EXPECT_TRUE(station.outcomes[1].second.contains(QStringLiteral("Passcode prüfen")));
    for (const QByteArray& line : stub.lines)
        EXPECT_TRUE(line.startsWith("user ")) << "sent after a refused login: " << line.data();
    ASSERT_TRUE(waitUntil([&] { return !station.notifier.messages.empty(); }));
    QCoreApplication::processEvents();
    ASSERT_EQ(station.notifier.messages.size(), 1u);
    EXPECT_EQ(station.uploads.statusLine(),
              QStringLiteral("CWOP: Fehler seit ") + station.localTime());
    // Neither the passcode nor the login line reach a message.
    const Message& message = station.notifier.messages[0];
    EXPECT_FALSE((message.text + message.details).contains(QStringLiteral("12345")));
}

TEST(WuUpload, SendsTheStationsValuesInTheNetworksUnitsAndLeavesMissingOnesOut) {
    Station station;
    station.data.Record.OutdoorHum.Current = 101;  // beyond the console: missing
    LineStub stub;
    stub.reply = [](const QByteArray& line) {
        return line == "\r\n" ? httpAnswer("success\n") : QByteArray();
    };
    ASSERT_TRUE(stub.listen());
    station.settings.WUAktiv = true;
    station.settings.WUAdresse =
        QStringLiteral("http://127.0.0.1:%1/weatherstation/updateweatherstation.php")
            .arg(stub.port());
    ASSERT_TRUE(station.send(QStringLiteral("wu"), 0));
    ASSERT_TRUE(station.outcomes[0].first) << station.outcomes[0].second.toStdString();

    ASSERT_FALSE(stub.lines.isEmpty());
    EXPECT_TRUE(stub.lines[0].startsWith("GET /weatherstation/updateweatherstation.php?"));
    const QUrlQuery query = queryOf(stub.lines[0]);
    auto number = [&query](const char* key) {
        return query.queryItemValue(QLatin1String(key), QUrl::FullyDecoded).toDouble();
    };
    EXPECT_EQ(query.queryItemValue("action"), "updateraw");
    EXPECT_EQ(query.queryItemValue("ID"), "IGARTEN7");
    EXPECT_EQ(query.queryItemValue("PASSWORD", QUrl::FullyDecoded), "geheim+&1");
    EXPECT_EQ(query.queryItemValue("dateutc", QUrl::FullyDecoded), "2026-06-01 14:20:05");
    EXPECT_NEAR(number("tempf"), station.value(Quantity::OutdoorTemp) / 10.0 * 1.8 + 32, 0.05);
    EXPECT_NEAR(number("dewptf"), station.value(Quantity::OutdoorDew) * 1.8 + 32, 0.05);
    EXPECT_NEAR(number("baromin"), station.value(Quantity::PressureSea) / 10.0 / 33.8639, 0.0005);
    EXPECT_NEAR(number("windspeedmph"), station.value(Quantity::AvgSpeed) / 10.0 / 0.44704, 0.05);
    EXPECT_NEAR(number("windgustmph"), *measuredFiveMinuteGust(station.data) / 10.0 / 0.44704,
                0.05);
    EXPECT_EQ(number("winddir"), station.value(Quantity::AvgDir));
    EXPECT_NEAR(number("indoortempf"), station.value(Quantity::IndoorTemp) / 10.0 * 1.8 + 32, 0.05);
    EXPECT_EQ(number("indoorhumidity"), station.value(Quantity::IndoorHum));
    EXPECT_NEAR(number("rainin"), station.rainInches(&RainFigures::lastHour), 0.005);
    EXPECT_NEAR(number("dailyrainin"), station.rainInches(&RainFigures::today), 0.005);
    EXPECT_FALSE(query.hasQueryItem("humidity"));
    EXPECT_EQ(station.uploads.statusLine(), QStringLiteral("WU: %1 ok").arg(station.localTime()));
}

TEST(WuUpload, AnErrorAnswerFailsWithItsFirstLineToldOnceAndOnceMoreAfterAnHour) {
    Station station;
    LineStub stub;
    stub.reply = [](const QByteArray& line) {
        return line == "\r\n" ? httpAnswer("INVALIDPASSWORDID\nmore details\n") : QByteArray();
    };
    ASSERT_TRUE(stub.listen());
    station.settings.WUAktiv = true;
    station.settings.WUAdresse = QStringLiteral("http://127.0.0.1:%1/u").arg(stub.port());
    // 14:20, 14:45, 15:10, 15:35: the spell has lasted an hour at the fourth.
    for (int turn = 0; turn < 4; ++turn) {
        station.refresh();
        ASSERT_TRUE(station.send(QStringLiteral("wu"), turn));
        station.clock.advanceSeconds(25 * 60);
        QCoreApplication::processEvents();
    }
    EXPECT_EQ(stub.connections, 4);
    EXPECT_EQ(station.outcomes[0].second, QStringLiteral("Antwort des Servers: INVALIDPASSWORDID"));
    ASSERT_EQ(station.notifier.messages.size(), 2u);
    for (const Message& message : station.notifier.messages)
        EXPECT_FALSE((message.text + message.details).contains(QStringLiteral("geheim")));
}

TEST(Uploads, GoOutAtTheirMinutesOnlyWithFreshDataAndNeverCatchUp) {
    Station station;
    LineStub stub;
    stub.reply = [](const QByteArray& line) {
        return line.startsWith("user ") ? aprsIsLogresp("unverified") : QByteArray();
    };
    ASSERT_TRUE(stub.listen());
    station.settings.APRSISAktiv = true;
    station.settings.APRSISPort = stub.port();
    station.settings.APRSISIntervall = 1;  // below the network's least interval: five minutes

    // CW1234: an hour's first packet at minute 4, then every five minutes. 14:20:05 is no
    // minute to send at.
    station.uploads.tick();
    EXPECT_EQ(stub.connections, 0);
    station.clock.set(QDateTime(QDate(2026, 6, 1), QTime(14, 24, 10), Qt::UTC));
    station.refresh();
    station.uploads.tick();
    ASSERT_TRUE(waitUntil([&] { return station.outcomes.size() == 1; }));
    station.clock.advanceSeconds(20);  // the same minute again: nothing more
    station.uploads.tick();
    // 14:29: the data are four minutes old now, and 14:30 does not make the turn up.
    station.clock.set(QDateTime(QDate(2026, 6, 1), QTime(14, 29, 0), Qt::UTC));
    station.uploads.tick();
    station.clock.advanceSeconds(60);
    station.uploads.tick();
    QCoreApplication::processEvents();
    EXPECT_EQ(stub.connections, 1);
}

TEST(Uploads, NoTwoMinutesToSendAtAreCloserThanTheInterval) {
    for (int first : {0, 4, 9})
        for (int interval : {1, 5, 7, 10, 25, 60}) {
            int last = -1000;
            bool sentAtFirst = false;
            for (int minute = 0; minute < 3 * 60; ++minute) {
                if (!isUploadMinute(minute % 60, first, interval))
                    continue;
                EXPECT_GE(minute - last, interval) << first << " " << interval << " " << minute;
                sentAtFirst |= minute % 60 == first;
                last = minute;
            }
            EXPECT_TRUE(sentAtFirst) << first << " " << interval;
        }
    EXPECT_EQ(callSignLastDigit(QStringLiteral("DL1ABC-13")), 1);
}
