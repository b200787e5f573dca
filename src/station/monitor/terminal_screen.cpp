#include "station/monitor/terminal_screen.h"

#include <QString>
#include <algorithm>

namespace {
constexpr int kMaxParams = 16;
constexpr int kMaxParamValue = 9999;
constexpr int kMaxSequence = 256;
constexpr int kMaxColumn = 1024;  // cursor moves never go further right
constexpr int kTab = 8;

// Windows-1252 0x80..0x9F; 0 where the code page leaves the byte undefined.
constexpr std::array<char16_t, 32> kCp1252High = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

constexpr std::array<std::uint32_t, 16> kColours = {
    0x000000, 0xCD0000, 0x00CD00, 0xCDCD00, 0x0000EE, 0xCD00CD, 0x00CDCD, 0xE5E5E5,
    0x7F7F7F, 0xFF0000, 0x00FF00, 0xFFFF00, 0x5C5CFF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};

std::uint32_t xtermColour(int n) {
    if (n < 16)
        return kColours[std::size_t(std::max(n, 0))];
    if (n < 232) {
        n -= 16;
        auto level = [](int v) { return v == 0 ? 0 : 55 + 40 * v; };
        return std::uint32_t(level(n / 36) << 16 | level(n / 6 % 6) << 8 | level(n % 6));
    }
    const int g = 8 + 10 * (std::min(n, 255) - 232);
    return std::uint32_t(g << 16 | g << 8 | g);
}
}  // namespace

TerminalScreen::TerminalScreen(std::size_t cellBudget) : cellBudget_(cellBudget) {
    pen_.fg = pen_.bg = kDefaultColour;
    lines_.emplace_back();
}

bool TerminalScreen::isSubstitute(std::uint8_t b) {
    return b < 0x20 || b == 0x7F || (b >= 0x80 && b < 0xA0 && kCp1252High[b - 0x80] == 0);
}

char16_t TerminalScreen::glyph(std::uint8_t b) {
    if (isSubstitute(b))
        return u'.';
    if (b < 0x80 || b >= 0xA0)
        return char16_t(b);  // ASCII and the Latin-1 part of Windows-1252
    return kCp1252High[b - 0x80];
}

std::uint32_t TerminalScreen::standardColour(int index) {
    return kColours[std::size_t(index & 15)];
}

void TerminalScreen::clear() {
    lines_.clear();
    lines_.emplace_back();
    row_ = col_ = savedRow_ = savedCol_ = 0;
    cells_ = 0;
    pen_ = TerminalCell{};
    pen_.fg = pen_.bg = kDefaultColour;
    state_ = State::Ground;
}

void TerminalScreen::setScreenRows(int rows) {
    screenRows_ = std::max(rows, 1);
}

QString TerminalScreen::lineText(int i) const {
    QString s;
    for (const TerminalCell& c : line(i))
        s += QChar(c.ch);
    return s;
}

void TerminalScreen::feed(QByteArrayView bytes) {
    for (char c : bytes) {
        const auto b = std::uint8_t(c);
        switch (state_) {
            case State::Ground:
                ground(b);
                break;
            case State::Escape:
                escape(b);
                break;
            case State::EscapeCharset:
                state_ = State::Ground;  // the character set is not switched
                break;
            case State::Csi:
                csi(b);
                break;
            case State::Osc:
                if (b == 0x07 || ++sequenceLength_ > kMaxSequence) {
                    state_ = State::Ground;
                } else if (b == 0x1B) {
                    state_ = State::OscEscape;
                }
                break;
            case State::OscEscape:
                state_ = State::Ground;
                if (b != '\\')
                    ground(b);
                break;
        }
    }
    trim();
}

void TerminalScreen::ground(std::uint8_t b) {
    switch (b) {
        case 0x1B:
            state_ = State::Escape;
            return;
        case '\r':
            col_ = 0;
            return;
        case '\n':
        case 0x0B:
        case 0x0C:
            newLine();
            col_ = 0;
            return;
        case 0x08:
            col_ = std::max(col_ - 1, 0);
            return;
        case '\t':
            col_ = std::min((col_ / kTab + 1) * kTab, kMaxColumn);
            return;
        default:
            put(glyph(b), isSubstitute(b) ? Substitute : 0);
    }
}

void TerminalScreen::escape(std::uint8_t b) {
    state_ = State::Ground;
    switch (b) {
        case '[':
            state_ = State::Csi;
            params_.clear();
            privateMarker_ = hasIntermediate_ = false;
            sequenceLength_ = 0;
            return;
        case ']':
            state_ = State::Osc;
            sequenceLength_ = 0;
            return;
        case '(':
        case ')':
        case '*':
        case '+':
            state_ = State::EscapeCharset;
            return;
        case '7':
            savedRow_ = row_;
            savedCol_ = col_;
            return;
        case '8':
            moveTo(savedRow_, savedCol_);
            return;
        case 'D':
            newLine();
            return;
        case 'E':
            newLine();
            col_ = 0;
            return;
        case 'M':
            row_ = std::max(row_ - 1, screenTop());
            return;
        case 'c':
            clear();
            return;
        default:
            // An unknown sequence ends here; a control byte that cut it is still carried out.
            if (b < 0x20 || b >= 0x7F)
                ground(b);
    }
}

void TerminalScreen::csi(std::uint8_t b) {
    if (++sequenceLength_ > kMaxSequence) {
        state_ = State::Ground;
        return;
    }
    if (b >= '0' && b <= '9') {
        if (params_.empty())
            params_.push_back(0);
        int& p = params_.back();
        p = std::min(p * 10 + (b - '0'), kMaxParamValue);
    } else if (b == ';' || b == ':') {
        if (params_.empty())
            params_.push_back(0);
        if (int(params_.size()) < kMaxParams)
            params_.push_back(0);
    } else if (b >= '<' && b <= '?') {
        privateMarker_ = true;
    } else if (b >= 0x20 && b <= 0x2F) {
        hasIntermediate_ = true;
    } else if (b >= 0x40 && b <= 0x7E) {
        state_ = State::Ground;
        if (!privateMarker_ && !hasIntermediate_)
            dispatchCsi(b);
    } else {
        // A byte that cannot belong to the sequence ends it and is shown as received.
        state_ = State::Ground;
        ground(b);
    }
}

int TerminalScreen::param(std::size_t i, int fallback) const {
    return i < params_.size() && params_[i] != 0 ? params_[i] : fallback;
}

int TerminalScreen::screenTop() const {
    return std::max(0, lineCount() - screenRows_);
}

void TerminalScreen::ensureRow(int row) {
    while (lineCount() <= row)
        lines_.emplace_back();
}

void TerminalScreen::moveTo(int row, int col) {
    row_ = std::max(row, 0);
    col_ = std::clamp(col, 0, kMaxColumn);
    ensureRow(row_);
}

void TerminalScreen::dispatchCsi(std::uint8_t final) {
    auto& ln = lines_[std::size_t(row_)];
    switch (final) {
        case 'A':
            row_ = std::max(row_ - param(0, 1), screenTop());
            break;
        case 'B':
            moveTo(row_ + param(0, 1), col_);
            break;
        case 'C':
            col_ = std::min(col_ + param(0, 1), kMaxColumn);
            break;
        case 'D':
            col_ = std::max(col_ - param(0, 1), 0);
            break;
        case 'E':
            moveTo(row_ + param(0, 1), 0);
            break;
        case 'F':
            row_ = std::max(row_ - param(0, 1), screenTop());
            col_ = 0;
            break;
        case 'G':
            col_ = std::min(param(0, 1) - 1, kMaxColumn);
            break;
        case 'H':
        case 'f':
            moveTo(screenTop() + param(0, 1) - 1, param(1, 1) - 1);
            break;
        case 'd':
            moveTo(screenTop() + param(0, 1) - 1, col_);
            break;
        case 'K': {
            const int mode = param(0, 0);
            if (mode == 0) {
                if (int(ln.size()) > col_) {
                    cells_ -= ln.size() - std::size_t(col_);
                    ln.resize(std::size_t(col_));
                }
            } else {
                const int end = mode == 1 ? std::min(col_ + 1, int(ln.size())) : int(ln.size());
                for (int i = 0; i < end; ++i)
                    ln[std::size_t(i)] = TerminalCell{u' ', pen_.fg, pen_.bg, 0};
            }
            break;
        }
        case 'J': {
            const int mode = param(0, 0);
            const int top = screenTop();
            if (mode == 0) {
                if (int(ln.size()) > col_) {
                    cells_ -= ln.size() - std::size_t(col_);
                    ln.resize(std::size_t(col_));
                }
                for (int r = row_ + 1; r < lineCount(); ++r) {
                    cells_ -= lines_[std::size_t(r)].size();
                    lines_[std::size_t(r)].clear();
                }
            } else {
                const int last = mode == 1 ? row_ : lineCount() - 1;
                for (int r = top; r <= last; ++r) {
                    cells_ -= lines_[std::size_t(r)].size();
                    lines_[std::size_t(r)].clear();
                }
            }
            break;
        }
        case 'm':
            sgr();
            break;
        default:
            break;  // other sequences change nothing a receive monitor shows
    }
}

void TerminalScreen::sgr() {
    if (params_.empty())
        params_.push_back(0);
    for (std::size_t i = 0; i < params_.size(); ++i) {
        const int p = params_[i];
        if (p == 0) {
            pen_.fg = pen_.bg = kDefaultColour;
            pen_.attrs = 0;
        } else if (p == 1) {
            pen_.attrs |= Bold;
        } else if (p == 4) {
            pen_.attrs |= Underline;
        } else if (p == 7) {
            pen_.attrs |= Inverse;
        } else if (p == 22) {
            pen_.attrs &= std::uint8_t(~Bold);
        } else if (p == 24) {
            pen_.attrs &= std::uint8_t(~Underline);
        } else if (p == 27) {
            pen_.attrs &= std::uint8_t(~Inverse);
        } else if (p >= 30 && p <= 37) {
            pen_.fg = kColours[std::size_t(p - 30)];
        } else if (p >= 90 && p <= 97) {
            pen_.fg = kColours[std::size_t(p - 90 + 8)];
        } else if (p >= 40 && p <= 47) {
            pen_.bg = kColours[std::size_t(p - 40)];
        } else if (p >= 100 && p <= 107) {
            pen_.bg = kColours[std::size_t(p - 100 + 8)];
        } else if (p == 39) {
            pen_.fg = kDefaultColour;
        } else if (p == 49) {
            pen_.bg = kDefaultColour;
        } else if ((p == 38 || p == 48) && i + 1 < params_.size()) {
            std::uint32_t colour = kDefaultColour;
            if (params_[i + 1] == 5 && i + 2 < params_.size()) {
                colour = xtermColour(params_[i + 2]);
                i += 2;
            } else if (params_[i + 1] == 2 && i + 4 < params_.size()) {
                auto c = [&](std::size_t k) { return std::uint32_t(std::min(params_[k], 255)); };
                colour = c(i + 2) << 16 | c(i + 3) << 8 | c(i + 4);
                i += 4;
            } else {
                i = params_.size();
            }
            (p == 38 ? pen_.fg : pen_.bg) = colour;
        }
    }
}

void TerminalScreen::put(char16_t ch, std::uint8_t extraAttrs) {
    auto& ln = lines_[std::size_t(row_)];
    if (col_ >= kMaxColumn) {
        // A line without line ends (the station's binary groups) is broken here so that the kept
        // text stays within its budget; the view wraps long lines anyway.
        newLine();
        col_ = 0;
        put(ch, extraAttrs);
        return;
    }
    if (int(ln.size()) <= col_) {
        cells_ += std::size_t(col_ + 1) - ln.size();
        ln.resize(std::size_t(col_ + 1), TerminalCell{u' ', kDefaultColour, kDefaultColour, 0});
    }
    TerminalCell cell = pen_;
    cell.ch = ch;
    cell.attrs |= extraAttrs;
    ln[std::size_t(col_)] = cell;
    ++col_;
}

void TerminalScreen::newLine() {
    ++row_;
    ensureRow(row_);
}

void TerminalScreen::trim() {
    while (cells_ > cellBudget_ && lines_.size() > 1 && row_ > 0) {
        cells_ -= lines_.front().size();
        lines_.pop_front();
        --row_;
        savedRow_ = std::max(savedRow_ - 1, 0);
        ++dropped_;
    }
}
