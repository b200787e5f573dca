// The dialog "CWOP / APRS-IS..." through its real widgets: "Jetzt senden" tries the fields as they
// stand without taking them, and the window "Dienste" shows the outcome.
#include "publish/ui/upload_dialog.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTcpServer>
#include <QTcpSocket>

#include "base/notifier.h"
#include "publish/ui/services_window.h"
#include "publish/upload_settings_model.h"
#include "publish/uploads.h"
#include "station/station_input.h"
#include "support/wait.h"

TEST(UploadDialog, SendNowTriesTheFieldsAndTheServicesWindowShowsTheOutcome) {
    RecordingNotifier notifier;
    ScopedNotifier scoped(notifier);
    StationData data;
    StationInput input(data);
    QFile capture(QStringLiteral(WETTERPULT_TEST_DATA "/captures/clean_rounds.bin"));
    ASSERT_TRUE(capture.open(QIODevice::ReadOnly));
    input.road().feed(capture.readAll());
    Settings settings;
    settings.APRSISAktiv = true;  // shown in the window's state
    Uploads uploads(data, settings);

    QTcpServer server;  // APRS-IS: answers the login, then takes the packet
    QByteArray received;
    QObject::connect(&server, &QTcpServer::newConnection, [&] {
        QTcpSocket* socket = server.nextPendingConnection();
        QObject::connect(socket, &QTcpSocket::readyRead, socket, [&received, socket] {
            const QByteArray bytes = socket->readAll();
            if (received.isEmpty())
                socket->write("# logresp DL1ABC unverified, server STUB\r\n");
            received += bytes;
        });
    });
    ASSERT_TRUE(server.listen(QHostAddress::LocalHost, 0));

    CwopSettingsModel model(settings);
    UploadDialog dialog(model, uploads);
    ServicesWindow services(uploads);
    model.fill();
    dialog.show();
    auto field = [&dialog](const char* name) { return dialog.findChild<QLineEdit*>(name); };
    field("Rufzeichen")->setText("DL1ABC");
    field("APRSISServer")->setText("127.0.0.1");
    field("APRSISPort")->setText(QString::number(server.serverPort()));
    dialog.sendButton()->click();
    ASSERT_TRUE(waitUntil([&] { return dialog.sendResult()->text() == "Gesendet."; }))
        << dialog.sendResult()->text().toStdString();

    EXPECT_TRUE(received.startsWith("user DL1ABC pass -1 vers Wetterpult"));
    EXPECT_TRUE(waitUntil([&] { return received.contains("DL1ABC>APRS,TCPIP*:@"); }));
    EXPECT_TRUE(settings.Rufzeichen.isEmpty());  // tried, not taken
    services.show();
    EXPECT_EQ(services.table()->item(0, 0)->text(), "CWOP");
    EXPECT_EQ(services.table()->item(0, 1)->text(), "ok");
    EXPECT_TRUE(notifier.messages.empty());
}
