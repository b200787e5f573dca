// The serial link over a real pseudo-terminal: port names, opening, reception, a lost port.
#include <gtest/gtest.h>

#include <QSignalSpy>

#include "base/notifier.h"
#include "console_encoder.h"
#include "station/group_table.h"
#include "station/serial_link.h"
#include "station_model.h"
#include "support/pseudo_terminal.h"
#include "support/wait.h"

TEST(SerialLinkTest, PortNamesMapToDevices) {
    EXPECT_EQ(SerialLink::devicePath(QStringLiteral("COM1")), QStringLiteral("/dev/ttyS0"));
    EXPECT_EQ(SerialLink::devicePath(QStringLiteral("COM2")), QStringLiteral("/dev/ttyS1"));
    EXPECT_EQ(SerialLink::devicePath(QStringLiteral("com12")), QStringLiteral("/dev/ttyS11"));
    EXPECT_EQ(SerialLink::devicePath(QStringLiteral("/dev/pts/7")), QStringLiteral("/dev/pts/7"));
    EXPECT_EQ(SerialLink::devicePath(QStringLiteral("ttyUSB0")), QStringLiteral("/dev/ttyUSB0"));
    // Not a COM number: looked up under /dev like any other name.
    EXPECT_EQ(SerialLink::devicePath(QStringLiteral("COM0")), QStringLiteral("/dev/COM0"));
    EXPECT_EQ(SerialLink::devicePath(QStringLiteral("COMx")), QStringLiteral("/dev/COMx"));

    SerialLink link;
    EXPECT_EQ(link.portName(), QStringLiteral("COM3"));  // before the settings are loaded
    EXPECT_FALSE(link.isOpen());
}

TEST(SerialLinkTest, OpenFailureNamesTheSystemError) {
    RecordingNotifier notifier;
    ScopedNotifier scope(notifier);
    SerialLink link;
    link.setPortName(QStringLiteral("/dev/wetterpult-no-such-port"));
    EXPECT_FALSE(link.open());
    EXPECT_FALSE(link.isOpen());
    ASSERT_EQ(notifier.messages.size(), 1u);
    EXPECT_EQ(notifier.messages[0].text,
              QStringLiteral("Unable to open com port (win error code: 2)"));

    QString failure;
    EXPECT_FALSE(link.open(&failure));  // the quiet form reports nothing
    EXPECT_EQ(failure, QStringLiteral("Unable to open com port (win error code: 2)"));
    EXPECT_EQ(notifier.messages.size(), 1u);
}

TEST(SerialLinkTest, DeliversEveryByteFromThePseudoTerminalInOrder) {
    RecordingNotifier notifier;
    ScopedNotifier scope(notifier);
    PseudoTerminal pty;
    ASSERT_TRUE(pty.valid());
    SerialLink link;
    link.setPortName(pty.slavePath());
    ASSERT_TRUE(link.open());
    EXPECT_TRUE(notifier.messages.empty());  // a pty refuses DTR/RTS: not an error

    QByteArray received;
    QObject::connect(&link, &SerialLink::bytesReceived,
                     [&received](const QByteArray& chunk) { received += chunk; });
    StationModel model(3, QDateTime(QDate(2024, 1, 20), QTime(6, 0)));
    QByteArray sent;
    for (int i = 0; i < 20; ++i) {
        for (std::uint8_t g : kGroupBytes)
            sent += encodeGroup(g, model.record());
        model.advance(5);
    }
    ASSERT_TRUE(pty.write(sent.left(100)));
    ASSERT_TRUE(pty.write(sent.mid(100)));
    ASSERT_TRUE(waitUntil([&] { return received.size() == sent.size(); }));
    EXPECT_EQ(received, sent);
    EXPECT_TRUE(link.isOpen());
    EXPECT_TRUE(notifier.messages.empty());
}

TEST(SerialLinkTest, LostPortIsClosedAndReportedOnce) {
    RecordingNotifier notifier;
    ScopedNotifier scope(notifier);
    PseudoTerminal pty;
    ASSERT_TRUE(pty.valid());
    SerialLink link;
    link.setPortName(pty.slavePath());
    ASSERT_TRUE(link.open());
    QSignalSpy lost(&link, &SerialLink::portLost);
    QSignalSpy received(&link, &SerialLink::bytesReceived);

    ASSERT_TRUE(pty.write(QByteArray("\xBF\x01\x02", 3)));
    ASSERT_TRUE(waitUntil([&] { return received.count() > 0; }));
    pty.closeMaster();  // the adapter is pulled mid-stream

    ASSERT_TRUE(waitUntil([&] { return lost.count() == 1; }));
    EXPECT_FALSE(link.isOpen());
    ASSERT_EQ(notifier.messages.size(), 1u);
    EXPECT_EQ(notifier.messages[0].caption, QStringLiteral("Comport belegt"));
    EXPECT_EQ(notifier.messages[0].text,
              pty.slavePath() + QStringLiteral(" kann nich geöffnet werden."));
    EXPECT_EQ(notifier.messages[0].buttons, MessageButtons::OkCancel);

    // Nothing more follows from the closed port.
    QCoreApplication::processEvents();
    EXPECT_EQ(lost.count(), 1);
    EXPECT_EQ(notifier.messages.size(), 1u);
}
