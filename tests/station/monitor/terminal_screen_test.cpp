#include "station/monitor/terminal_screen.h"

#include <gtest/gtest.h>

#include "station/monitor/hex_dump.h"
#include "support/qt_printers.h"

TEST(TerminalScreen, ShowsEveryByteAndCarriesOutLineControls) {
    TerminalScreen t;
    t.feed("Hallo\r\nWelt\rW");
    ASSERT_EQ(t.lineCount(), 2);
    EXPECT_EQ(t.lineText(0), "Hallo");
    EXPECT_EQ(t.lineText(1), "Welt");
    t.feed(QByteArrayView("\x8F\x01\x00\xE4", 4));
    // Binary station bytes show as characters: an undefined code and two control bytes as dimmed
    // dots, a-umlaut as itself.
    EXPECT_EQ(t.lineText(1), QString::fromUtf8("W...ä"));
    EXPECT_TRUE(t.line(1)[1].attrs & TerminalScreen::Substitute);
    EXPECT_TRUE(t.line(1)[3].attrs & TerminalScreen::Substitute);
    EXPECT_FALSE(t.line(1)[4].attrs & TerminalScreen::Substitute);
    t.feed("\tX\bY");  // tab to column 8, back one, overwrite
    EXPECT_EQ(t.lineText(1), QString::fromUtf8("W...ä   Y"));
}

TEST(TerminalScreen, ColoursAttributesAndErasing) {
    TerminalScreen t;
    t.feed("\x1b[1;31mR\x1b[0m\x1b[44mB\x1b[38;5;196mX\x1b[38;2;1;2;3mY\x1b[mZ");
    const auto& line = t.line(0);
    ASSERT_EQ(line.size(), 5u);
    EXPECT_EQ(line[0].fg, TerminalScreen::standardColour(1));
    EXPECT_TRUE(line[0].attrs & TerminalScreen::Bold);
    EXPECT_EQ(line[1].fg, TerminalScreen::kDefaultColour);
    EXPECT_EQ(line[1].bg, TerminalScreen::standardColour(4));
    EXPECT_EQ(line[2].fg, 0xFF0000u);
    EXPECT_EQ(line[3].fg, 0x010203u);
    EXPECT_EQ(line[4].bg, TerminalScreen::kDefaultColour);
    EXPECT_EQ(t.lineText(0), "RBXYZ");

    t.feed("\x1b[3D\x1b[K!");
    EXPECT_EQ(t.lineText(0), "RB!");
    t.feed("\r\nzwei\r\ndrei\x1b[2;3Hx");  // row 2, column 3 of the screen
    EXPECT_EQ(t.lineText(1), "zwxi");
    t.feed("\x1b[2J");
    EXPECT_EQ(t.lineText(0), "");
    EXPECT_EQ(t.lineText(2), "");
}

TEST(TerminalScreen, BrokenAndEndlessSequencesNeitherHangNorSwallowData) {
    TerminalScreen t;
    t.feed(
        "\x1b[12;\x8F"
        "A");  // a station byte cuts the sequence and is shown
    EXPECT_EQ(t.lineText(0), QString(".A"));
    t.feed(
        "\x1b]0;Titel\x07"
        "B\x1b[?25lC\x1b(0D");
    EXPECT_EQ(t.lineText(0), QString(".ABCD"));
    QByteArray endless("\x1b[");
    endless.append(1000, '1');
    t.feed(endless);
    t.feed("E");
    EXPECT_TRUE(t.lineText(0).endsWith("E"));
}

TEST(TerminalScreen, KeepsItsBudgetOnAnEndlessBinaryStream) {
    TerminalScreen t(5000);
    QByteArray chunk(700, '\x55');
    for (int i = 0; i < 100; ++i)
        t.feed(chunk);
    int cells = 0;
    for (int i = 0; i < t.lineCount(); ++i)
        cells += int(t.line(i).size());
    EXPECT_LE(cells, 5000 + 1024);
    EXPECT_GT(t.droppedLines(), 0u);
}

TEST(HexDump, SixteenBytesALineWithOffsetsAcrossTheBudget) {
    HexDump h(64);
    h.feed(
        QByteArrayView("\x8F\x01"
                       "AB",
                       4));
    ASSERT_EQ(h.lineCount(), 1);
    EXPECT_EQ(h.lineText(0), "00000000  8F 01 41 42                                       |..AB|");
    HexDump full;
    full.feed(
        QByteArrayView("\x00\x01\x02\x03\x04\x05\x06\x07\x08\x09\x0A\x0B\x0C\x0D\x0E\x0F", 16));
    EXPECT_EQ(full.lineText(0),
              "00000000  00 01 02 03 04 05 06 07  08 09 0A 0B 0C 0D 0E 0F  |................|");
    h.feed(QByteArray(100, '\0'));
    EXPECT_EQ(h.totalBytes(), 104u);
    EXPECT_LE(h.bytes().size(), 80);
    EXPECT_EQ(h.firstOffset() % 16, 0u);
    EXPECT_TRUE(
        h.lineText(0).startsWith(QString::number(h.firstOffset(), 16).rightJustified(8, '0')));
}
