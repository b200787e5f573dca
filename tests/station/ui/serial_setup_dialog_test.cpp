// "COM-Port..." through its widgets: the six lists preset from the port, a typed device path
// taken, and only the port name saved.
#include "station/ui/serial_setup_dialog.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include "app/ui/desktop_program.h"
#include "base/notifier.h"
#include "display/ui/main_menu.h"
#include "support/file_bytes.h"
#include "support/modal_dialog.h"
#include "support/pseudo_terminal.h"
#include "support/qt_printers.h"

TEST(SerialSetupDialog, TypedDeviceAndLineAreTakenAndOnlyTheNameIsSaved) {
    PseudoTerminal pty;
    ASSERT_TRUE(pty.valid());
    QTemporaryDir dir;
    RecordingNotifier messages;
    ScopedNotifier scoped(messages);
    DesktopProgram program(AppOptions{}, dir.path() + "/");
    program.start();
    SerialSetupDialog& dialog = program.settingsDialogs().serialSetup();
    whenShown(dialog, [&] {
        EXPECT_EQ(dialog.windowTitle(), "Setup");
        EXPECT_EQ(dialog.cancelButton()->text(), "Cancel");
        auto* port = child<QComboBox>(dialog, "Port");
        EXPECT_EQ(port->currentText(), "COM2");
        EXPECT_EQ(child<QComboBox>(dialog, "BaudRate")->currentText(), "9600");
        EXPECT_EQ(child<QComboBox>(dialog, "Parity")->count(), 5);
        EXPECT_EQ(child<QComboBox>(dialog, "FlowControl")->currentText(), "Custom");
        port->lineEdit()->selectAll();
        QTest::keyClicks(port->lineEdit(), pty.slavePath());
        auto* baud = child<QComboBox>(dialog, "BaudRate");
        baud->setFocus();
        QTest::keyClicks(baud, "4800");
        EXPECT_EQ(baud->currentText(), "4800");
        QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
        EXPECT_FALSE(dialog.isVisible());
    });
    program.window().menu().COMPort1->trigger();
    SerialLink& link = program.program().input.serialLink();
    EXPECT_EQ(link.portName(), pty.slavePath());
    EXPECT_EQ(link.lineSettings().baudRate, 4800);
    ASSERT_TRUE(link.open());
    EXPECT_EQ(messages.texts(), QStringList());

    program.window().close();
    const QByteArray ini = readAll(dir.filePath("wetterpult.ini"));
    EXPECT_TRUE(ini.contains("Comport=" + pty.slavePath().toUtf8() + "\r\n")) << ini.constData();
    EXPECT_FALSE(ini.contains("4800"));
}
