// The port setup "Setup": port names, the lists, and "OK" applied to a real pseudo-terminal.
#include "station/serial_setup_model.h"

#include <gtest/gtest.h>

#include <QSignalSpy>

#include "base/notifier.h"
#include "station/serial_link.h"
#include "support/pseudo_terminal.h"
#include "support/qt_printers.h"

TEST(SerialSetupModel, DevicesAreKeptInTheirStoredForm) {
    EXPECT_EQ(storedPortName("/dev/ttyS0"), "COM1");
    EXPECT_EQ(storedPortName("/dev/ttyS11"), "COM12");
    EXPECT_EQ(storedPortName(" /dev/ttyUSB0 "), "/dev/ttyUSB0");
    EXPECT_EQ(storedPortName("COM4"), "COM4");
    for (const QString& name :
         storedPortName("/dev/ttyS1") == "COM2" ? presentSerialPorts() : QStringList())
        EXPECT_EQ(SerialLink::devicePath(name).startsWith("/dev/"), true) << name.toStdString();
}

TEST(SerialSetupModel, EveryListEntryReadsBackAsItself) {
    const SerialLineSettings current;
    EXPECT_EQ(lineTexts(current), (SerialLineTexts{"9600", "8", "1", "None", "Custom"}));
    for (const QString& baud : baudRateEntries())
        for (const QString& stop : stopBitsEntries())
            for (const QString& parity : parityEntries())
                for (const QString& flow : flowControlEntries()) {
                    const SerialLineTexts texts{baud, "7", stop, parity, flow};
                    const std::optional<SerialLineSettings> s = lineSettings(texts, current);
                    ASSERT_TRUE(s);
                    SerialLineTexts expected = texts;
                    if (baud == "Custom")
                        expected.baudRate = "9600";  // the rate the port has
                    EXPECT_EQ(lineTexts(*s), expected);
                }
    EXPECT_FALSE(lineSettings({"9600", "9", "1", "None", "None"}, current));
    SerialLineSettings odd;
    odd.baudRate = 31250;
    EXPECT_EQ(lineTexts(odd).baudRate, "Custom");
}

TEST(SerialSetupModel, OkAppliesTheLineToTheOpenPortAndKeepsOnlyTheName) {
    RecordingNotifier messages;
    ScopedNotifier scoped(messages);
    PseudoTerminal pty;
    ASSERT_TRUE(pty.valid());
    SerialLink link;
    link.setPortName(pty.slavePath());
    ASSERT_TRUE(link.open());
    QStringList kept;
    SerialSetupModel model(
        link, [&](const QString& name) { kept << name; },
        [] {
            return QStringList{"COM1", "COM2"};
        });
    model.fill();
    EXPECT_EQ(model.portEntries, (QStringList{pty.slavePath(), "COM1", "COM2"}));
    EXPECT_EQ(model.port, pty.slavePath());
    // A pseudo-terminal takes only 8 data bits without parity.
    model.line = {"4800", "8", "2", "None", "Software"};
    EXPECT_EQ(model.take(), std::nullopt);
    EXPECT_TRUE(link.isOpen());
    EXPECT_EQ(lineTexts(link.lineSettings()), model.line);
    EXPECT_EQ(kept, QStringList{pty.slavePath()});
    EXPECT_EQ(messages.texts(), QStringList());

    // A port that cannot be opened under its new name is a line error: closed and told.
    QSignalSpy lost(&link, &SerialLink::portLost);
    model.fill();
    model.port = "/dev/wetterpult-no-such-port";
    EXPECT_EQ(model.take(), std::nullopt);
    EXPECT_FALSE(link.isOpen());
    EXPECT_EQ(lost.count(), 1);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].caption, "Comport belegt");
    EXPECT_EQ(messages.messages[0].text, "/dev/wetterpult-no-such-port kann nich geöffnet werden.");
    EXPECT_EQ(kept.last(), "/dev/wetterpult-no-such-port");

    // Settings the open port refuses are a line error too.
    link.setup(pty.slavePath(), SerialLineSettings{});
    ASSERT_TRUE(link.open());
    model.fill();
    model.line.dataBits = "7";
    model.take();
    EXPECT_FALSE(link.isOpen());
    EXPECT_EQ(lost.count(), 2);
    EXPECT_EQ(messages.texts().last(), pty.slavePath() + " kann nich geöffnet werden.");
}
