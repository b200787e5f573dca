#include "station/ui/terminal_view.h"

#include <QFontDatabase>
#include <QPainter>
#include <QScrollBar>

#include "station/monitor/hex_dump.h"
#include "station/monitor/terminal_screen.h"

namespace {
const QColor kBackground(Qt::black);
const QColor kForeground(0xC0, 0xC0, 0xC0);
const QColor kSubstitute(0x60, 0x60, 0x60);
constexpr int kHexColumns = 79;  // offset, sixteen bytes and their characters

QColor cellColour(std::uint32_t value, const QColor& fallback) {
    if (value == TerminalScreen::kDefaultColour)
        return fallback;
    return QColor(int(value >> 16 & 0xFF), int(value >> 8 & 0xFF), int(value & 0xFF));
}
}  // namespace

TerminalView::TerminalView(const TerminalScreen& screen, const HexDump& hex, QWidget* parent)
    : QAbstractScrollArea(parent), screen_(screen), hex_(hex) {
    setObjectName(QStringLiteral("TerminalView"));
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setStyleHint(QFont::Monospace);
    viewport()->setFont(font);
    const QFontMetrics fm(font);
    charWidth_ = std::max(1, fm.horizontalAdvance(QLatin1Char('M')));
    // A hex line is drawn as one text, whose advance may be fractional per character.
    hexWidth_ = fm.horizontalAdvance(QString(kHexColumns, QLatin1Char('M'))) + 2;
    lineHeight_ = fm.height();
    ascent_ = fm.ascent();
    QPalette p = viewport()->palette();
    p.setColor(QPalette::Window, kBackground);
    p.setColor(QPalette::Base, kBackground);
    viewport()->setPalette(p);
    viewport()->setAutoFillBackground(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

void TerminalView::setHexMode(bool on) {
    if (on == hex_mode_)
        return;
    hex_mode_ = on;
    updateScrollBars();
    verticalScrollBar()->setValue(verticalScrollBar()->maximum());
    viewport()->update();
}

int TerminalView::hexLineWidth() const {
    return hexWidth_ + verticalScrollBar()->sizeHint().width() + 2 * frameWidth();
}

int TerminalView::visibleRows() const {
    return std::max(1, viewport()->height() / lineHeight_);
}

int TerminalView::columns() const {
    return std::max(1, viewport()->width() / charWidth_);
}

int TerminalView::rowCount() const {
    if (hex_mode_)
        return hex_.lineCount();
    const int cols = columns();
    int rows = 0;
    for (int i = 0; i < screen_.lineCount(); ++i)
        rows += std::max(1, (int(screen_.line(i).size()) + cols - 1) / cols);
    return rows;
}

void TerminalView::updateScrollBars() {
    QScrollBar* v = verticalScrollBar();
    const bool follow = v->value() >= v->maximum();
    v->setRange(0, std::max(0, rowCount() - visibleRows()));
    v->setPageStep(visibleRows());
    v->setSingleStep(1);
    if (follow)
        v->setValue(v->maximum());
    // The hex lines have a fixed width; wrapped text never needs a horizontal bar.
    horizontalScrollBar()->setRange(0,
                                    hex_mode_ ? std::max(0, hexWidth_ - viewport()->width()) : 0);
    horizontalScrollBar()->setPageStep(viewport()->width());
}

void TerminalView::modelChanged() {
    if (!isVisible())
        return;
    updateScrollBars();
    viewport()->update();
}

void TerminalView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void TerminalView::paintEvent(QPaintEvent*) {
    QPainter p(viewport());
    p.fillRect(viewport()->rect(), kBackground);
    const int first = verticalScrollBar()->value();
    const int rows = visibleRows() + 1;
    if (hex_mode_) {
        p.setPen(kForeground);
        const int x = -horizontalScrollBar()->value();
        for (int r = 0; r < rows && first + r < hex_.lineCount(); ++r)
            p.drawText(x, r * lineHeight_ + ascent_, hex_.lineText(first + r));
        return;
    }
    const int cols = columns();
    // Find the model line that holds the first visible row.
    int row = 0, line = 0, segment = 0;
    while (line < screen_.lineCount()) {
        const int n = std::max(1, (int(screen_.line(line).size()) + cols - 1) / cols);
        if (row + n > first) {
            segment = first - row;
            break;
        }
        row += n;
        ++line;
    }
    QFont normal = viewport()->font();
    QFont bold = normal;
    bold.setBold(true);
    for (int r = 0; r < rows && line < screen_.lineCount(); ++r) {
        const auto& cells = screen_.line(line);
        const int start = segment * cols;
        const int end = std::min(int(cells.size()), start + cols);
        const int y = r * lineHeight_;
        // Each cell stands in its own column, so that characters from a fallback font cannot
        // shift the ones after them.
        for (int c = start; c < end; ++c) {
            const TerminalCell& cell = cells[std::size_t(c)];
            QColor fg = cellColour(cell.fg, kForeground);
            QColor bg = cellColour(cell.bg, kBackground);
            if (cell.attrs & TerminalScreen::Inverse)
                std::swap(fg, bg);
            const int x = (c - start) * charWidth_;
            if (bg != kBackground)
                p.fillRect(x, y, charWidth_, lineHeight_, bg);
            if (cell.ch == u' ')
                continue;
            p.setFont(cell.attrs & TerminalScreen::Bold ? bold : normal);
            p.setPen(cell.attrs & TerminalScreen::Substitute ? kSubstitute : fg);
            p.drawText(x, y + ascent_, QString(QChar(cell.ch)));
            if (cell.attrs & TerminalScreen::Underline)
                p.drawLine(x, y + ascent_ + 1, x + charWidth_ - 1, y + ascent_ + 1);
        }
        if (++segment * cols >= std::max(1, int(cells.size()))) {
            segment = 0;
            ++line;
        }
    }
}
