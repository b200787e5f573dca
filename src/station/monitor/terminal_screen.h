// The COM data window's receive monitor as a model: every received byte becomes a character cell,
// the usual ANSI/VT100 controls (cursor moves, erasing, colours and attributes) are carried out,
// and the text is kept as lines of unlimited width that the view wraps. Older lines are dropped
// once the kept text grows beyond a fixed budget.
#pragma once

#include <QByteArrayView>
#include <array>
#include <cstdint>
#include <deque>
#include <vector>

struct TerminalCell {
    char16_t ch = u' ';
    std::uint32_t fg = 0;  // kDefaultColour or 0x00RRGGBB
    std::uint32_t bg = 0;
    std::uint8_t attrs = 0;  // TerminalScreen::Bold | Underline | Inverse | Substitute
};

class TerminalScreen {
public:
    static constexpr std::uint32_t kDefaultColour = 0x01000000;
    // Substitute: the cell stands for a byte that has no character of its own (a control byte that
    // is not carried out, or a byte Windows-1252 leaves undefined); the view shows it dimmed.
    enum Attribute : std::uint8_t { Bold = 1, Underline = 2, Inverse = 4, Substitute = 8 };

    explicit TerminalScreen(std::size_t cellBudget = 200000);

    void feed(QByteArrayView bytes);
    void clear();

    // Rows that cursor addressing counts from the bottom of the kept text (the visible screen).
    void setScreenRows(int rows);

    int lineCount() const { return int(lines_.size()); }
    const std::vector<TerminalCell>& line(int i) const { return lines_[std::size_t(i)]; }
    int cursorRow() const { return row_; }
    int cursorColumn() const { return col_; }
    // Lines dropped from the top so far (to keep a view's scroll position steady).
    std::uint64_t droppedLines() const { return dropped_; }

    // The character a received byte is shown as when it is not a control that is carried out:
    // printable Windows-1252 as itself, every other byte as "." (marked Substitute).
    static char16_t glyph(std::uint8_t byte);
    static bool isSubstitute(std::uint8_t byte);
    // The 16 standard terminal colours (0x00RRGGBB); 8 to 15 are the bright ones.
    static std::uint32_t standardColour(int index);

    // Text of a line without attributes (tests, copying).
    QString lineText(int i) const;

private:
    enum class State { Ground, Escape, EscapeCharset, Csi, Osc, OscEscape };

    void ground(std::uint8_t b);
    void escape(std::uint8_t b);
    void csi(std::uint8_t b);
    void dispatchCsi(std::uint8_t final);
    void sgr();
    void put(char16_t ch, std::uint8_t extraAttrs = 0);
    void newLine();
    void moveTo(int row, int col);
    void ensureRow(int row);
    int screenTop() const;
    int param(std::size_t i, int fallback) const;
    void trim();

    std::deque<std::vector<TerminalCell>> lines_;
    int row_ = 0, col_ = 0;
    int savedRow_ = 0, savedCol_ = 0;
    int screenRows_ = 24;
    TerminalCell pen_;
    State state_ = State::Ground;
    std::vector<int> params_;
    bool privateMarker_ = false;
    bool hasIntermediate_ = false;
    int sequenceLength_ = 0;
    std::size_t cells_ = 0;
    std::size_t cellBudget_;
    std::uint64_t dropped_ = 0;
};
