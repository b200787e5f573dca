// The headless program on the simulated station serving its page: a real browser (Debian's
// chromium, headless) shows the current temperature with its decimal comma and the charts, and
// 200 slow clients at once do not hold up the station road.
#include <gtest/gtest.h>

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTemporaryDir>
#include <algorithm>
#include <memory>
#include <vector>

#include "base/text_file.h"
#include "support/simulated_station.h"
#include "web_exchange.h"

namespace {

quint16 freePort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

struct ServingProgram {
    QTemporaryDir dir;
    SimulatedStation sim{11};
    QProcess program;
    quint16 port = freePort();
    QByteArray out;

    bool start() {
        if (!sim.port().startsWith("/dev/"))
            return false;
        textfile::replaceWhole(dir.filePath("wetterpult.ini"),
                               textfile::crlfLines({"[Web]", "WebAktiv=1", "WebAdresse=127.0.0.1",
                                                    "WebPort=" + QString::number(port)}));
        program.start(QStringLiteral(WETTERPULT_BIN_DIR "/src/app/wetterpult"),
                      {"--headless", "--folder", dir.path(), "--activate", "--port", sim.port(),
                       "--show-groups"});
        // Serving once every group has arrived.
        return waitUntil(
            [&] {
                out += program.readAllStandardOutput();
                return get(port, "/api/current").json()["fresh"].toBool();
            },
            60000);
    }
    ~ServingProgram() {
        program.terminate();
        program.waitForFinished(10000);
    }
};

}  // namespace

TEST(WebProgram, ChromiumShowsTheLiveValues) {
    const QString chromium = QStandardPaths::findExecutable(QStringLiteral("chromium"));
    if (chromium.isEmpty())
        GTEST_SKIP() << "chromium fehlt (Debian-Paket chromium)";
    ServingProgram serving;
    ASSERT_TRUE(serving.start()) << serving.program.readAllStandardError().constData();

    // Chromium stops after its timeout with the DOM as it stands; a machine under load may need
    // a second look before the first values are there.
    const QRegularExpression outdoor(
        QStringLiteral("id=\"temp-aussen\".*?class=\"wert\">(-?\\d+,\\d) °C<"),
        QRegularExpression::DotMatchesEverythingOption);
    QString dom;
    QRegularExpressionMatch match;
    for (int attempt = 0; attempt < 5 && !match.hasMatch(); ++attempt) {
        QProcess browser;
        browser.start(chromium,
                      {"--headless", "--no-sandbox", "--disable-gpu", "--timeout=3000",
                       "--dump-dom", QStringLiteral("http://127.0.0.1:%1/").arg(serving.port)});
        ASSERT_TRUE(browser.waitForFinished(60000));
        dom = QString::fromUtf8(browser.readAllStandardOutput());
        match = outdoor.match(dom);
    }
    ASSERT_TRUE(match.hasMatch()) << dom.left(3000).toStdString();
    // The value the program measured, with the page's decimal comma.
    const double now = get(serving.port, "/api/current").json()["temperature"].toDouble();
    EXPECT_NEAR(match.captured(1).replace(',', '.').toDouble(), now, 1.0);
    EXPECT_TRUE(dom.contains("<canvas")) << "the charts' library came from its package";
    EXPECT_TRUE(dom.contains("vor ")) << "freshness shown";
}

TEST(WebProgram, SlowClientsDoNotHoldUpTheStationRoad) {
    ServingProgram serving;
    ASSERT_TRUE(serving.start()) << serving.program.readAllStandardError().constData();
    // Each sends half a request and then nothing.
    std::vector<std::unique_ptr<QTcpSocket>> slow;
    for (int i = 0; i < 200; ++i) {
        slow.push_back(std::make_unique<QTcpSocket>());
        slow.back()->connectToHost(QHostAddress::LocalHost, serving.port);
        slow.back()->write("GET / HTTP/1.1\r\nHost: 127.0.0.1\r\nX-Slow: ");
    }
    ASSERT_TRUE(waitUntil([&] {
        int connected = 0;
        for (const auto& s : slow)
            connected += s->state() == QAbstractSocket::ConnectedState;
        return connected <= 64 && connected > 0 &&
               std::all_of(slow.begin(), slow.end(), [](const auto& s) {
                   return s->bytesToWrite() == 0 || s->state() == QAbstractSocket::UnconnectedState;
               });
    }));
    // The road goes on: groups are decoded while they hang on.
    serving.program.readAllStandardOutput();
    QByteArray lines;
    EXPECT_TRUE(waitUntil(
        [&] {
            lines += serving.program.readAllStandardOutput();
            return lines.count('\n') >= 20;
        },
        30000))
        << lines.constData();
}
