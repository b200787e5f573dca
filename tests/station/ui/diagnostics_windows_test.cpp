#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QFontMetrics>
#include <QTableWidget>
#include <QTemporaryDir>

#include "display/ui/form1.h"
#include "display/ui/main_menu.h"
#include "station/ui/checksum_window.h"
#include "station/ui/com_data_window.h"
#include "station/ui/terminal_view.h"
#include "station/ui/wind5_window.h"
#include "support/qt_printers.h"

TEST(ChecksumWindow, RowsShowTheLastResultOfEachGroup) {
    Form1 form;
    ChecksumWindow* w = form.checksumWindow();
    EXPECT_EQ(w->windowTitle(), "CheckSums");
    EXPECT_EQ(w->cell(0, 0), "Block");
    EXPECT_EQ(w->cell(0, 1), "Wert");
    EXPECT_EQ(w->cell(1, 0), "8F Time&Humidty");
    EXPECT_EQ(w->cell(2, 0), "9F Temperature ");
    EXPECT_EQ(w->cell(5, 0), "CF Wind, Windchill");
    form.checksumResult(1, QStringLiteral("OK!"));
    form.checksumResult(2, QStringLiteral("Error!"));
    EXPECT_EQ(w->result(1), "OK!");
    EXPECT_EQ(w->result(2), "Error!");
    for (int row = 3; row <= 5; ++row)
        EXPECT_EQ(w->result(row), "") << row;
    form.checksumResult(2, QStringLiteral("OK!"));
    EXPECT_EQ(w->result(2), "OK!");
}

TEST(ChecksumWindow, MenuTogglesItAndItsCloseBoxClearsTheCheckMark) {
    Form1 form;
    form.show();
    QAction* item = form.menu().ShowAllChkSums1;
    item->trigger();
    EXPECT_TRUE(form.checksumWindow()->isVisible());
    EXPECT_TRUE(item->isChecked());
    // Both columns take half the client width.
    auto* grid = form.checksumWindow()->grid();
    EXPECT_EQ(grid->columnWidth(0), grid->viewport()->width() / 2);
    form.checksumWindow()->close();
    EXPECT_FALSE(item->isChecked());
    item->trigger();
    EXPECT_TRUE(form.checksumWindow()->isVisible());
    item->trigger();
    EXPECT_FALSE(form.checksumWindow()->isVisible());
    EXPECT_FALSE(item->isChecked());
}

TEST(Wind5Window, HeadingRowsAndCheckMark) {
    Form1 form;
    form.show();
    StationData data;
    data.GroupArrivedMs.fill(1);
    data.WindMaxRing = {0, 0, 52, 31, 78};
    form.FillDisplay(data);
    Wind5Window* w = form.wind5Window();
    EXPECT_EQ(w->windowTitle(), "5x Wind");
    EXPECT_EQ(w->row(0), "5x Wind");
    const QStringList rows = {w->row(1), w->row(2), w->row(3), w->row(4), w->row(5)};
    EXPECT_EQ(rows, QStringList({"0", "0", "5,2", "5,2", "7,8"}));
    QAction* item = form.menu().N5xWind1;
    item->trigger();
    EXPECT_TRUE(item->isChecked());
    w->close();
    EXPECT_FALSE(item->isChecked());
}

TEST(ComDataWindow, ShowsEveryByteAsTextOrHexAndNamesThePort) {
    Form1 form;
    form.show();
    ComDataWindow* w = form.comDataWindow();
    form.setPortName("COM2");
    const QByteArray received("\x1b[32mOK\x1b[0m\r\n\x8F\x12");
    form.bytesReceived(received);
    EXPECT_EQ(w->screen().lineText(0), "OK");
    EXPECT_EQ(w->screen().line(0)[0].fg, TerminalScreen::standardColour(2));
    EXPECT_EQ(w->screen().lineText(1), "..");
    EXPECT_EQ(w->hexDump().totalBytes(), 15u);
    form.menu().ShowCOMData1->trigger();
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->windowTitle(), "Comport Input: COM2");
    w->hexAction()->trigger();
    EXPECT_TRUE(w->view()->hexMode());
    w->view()->repaint();  // paints both models without trouble
    // The window grew so that a whole hex line, as drawn, fits beside the scroll bar.
    const QFontMetrics fm(w->view()->viewport()->font());
    EXPECT_LE(fm.horizontalAdvance(w->hexDump().lineText(0)), w->view()->viewport()->width());
    form.menu().ShowCOMData1->trigger();
    EXPECT_FALSE(w->isVisible());

    QTemporaryDir dir;
    const QString path = dir.filePath("dump.bin");
    QString error;
    ASSERT_TRUE(w->dumpTo(path, &error)) << error.toStdString();
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), received);
}
