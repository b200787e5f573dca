// "Client/Server..." through its widgets: with "Client aktiv" the program connects to the server
// at once although "Aktiv" is off, and the connection's state is what is saved.
#include "config/ui/client_server_dialog.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QTcpServer>
#include <QTemporaryDir>

#include "app/ui/desktop_program.h"
#include "base/notifier.h"
#include "display/ui/main_menu.h"
#include "support/file_bytes.h"
#include "support/modal_dialog.h"
#include "support/qt_printers.h"
#include "support/wait.h"

TEST(ClientServerDialog, ClientAktivConnectsAtOnceWhileInactive) {
    QTcpServer server;
    ASSERT_TRUE(server.listen(QHostAddress::LocalHost));
    QTemporaryDir dir;
    RecordingNotifier messages;
    ScopedNotifier scoped(messages);
    DesktopProgram program(AppOptions{}, dir.path() + "/");
    program.start();
    ClientServerDialog& dialog = program.settingsDialogs().clientServer();
    whenShown(dialog, [&] {
        EXPECT_FALSE(child<QGroupBox>(dialog, "GroupServer")->isEnabled());
        auto* address = child<QLineEdit>(dialog, "RemoteIP");
        auto* port = child<QLineEdit>(dialog, "RemotePort");
        EXPECT_EQ(address->text(), "127.0.0.1");
        EXPECT_EQ(port->text(), "6980");
        EXPECT_EQ(port->accessibleName(), "Port");
        port->selectAll();
        QTest::keyClicks(port, QString::number(server.serverPort()));
        auto* client = child<QCheckBox>(dialog, "ClientAktiv");
        clickBox(client);
        EXPECT_FALSE(address->isEnabled());
        EXPECT_FALSE(port->isEnabled());
        QTest::keyClick(client, Qt::Key_Return);
        EXPECT_FALSE(dialog.isVisible());
    });
    program.window().menu().ClientServer1->trigger();
    EXPECT_FALSE(program.program().scheduler.isActive());
    ASSERT_TRUE(waitUntil([&] { return server.hasPendingConnections(); }));
    EXPECT_EQ(messages.texts(), QStringList());

    program.window().close();
    const QByteArray ini = readAll(dir.filePath("wetterpult.ini"));
    EXPECT_TRUE(ini.contains("[ClientServer]\r\nClientActive=1\r\nRemotePort=" +
                             QByteArray::number(server.serverPort())))
        << ini.constData();
}
