// The sun window's model: the four input fields with their defaults, "Berechnen" turning them into
// a block of result rows (newest block on top), and the label with today's day of the year.
#pragma once

#include <QDate>
#include <QString>
#include <vector>

#include "base/formats.h"

struct SunRow {
    QString key;
    QString value;
    bool operator==(const SunRow&) const = default;
};

class SunWindowModel {
public:
    explicit SunWindowModel(const Formats& formats = Formats::german()) : formats_(formats) {}

    // "Tag im Jahr (Heute: 343)".
    static QString dayLabel(const QDate& today);

    QString dayText = QStringLiteral("30");
    QString latitudeText = QStringLiteral("52,5");
    QString longitudeText = QStringLiteral("13,4");
    QString utcText = QStringLiteral("1");

    // "Berechnen": adds one block of rows above the earlier ones and returns true. A field that
    // holds no number (or a day outside 1 ... 366, a UTC difference outside -12 ... 14) goes to
    // the general error handler and adds nothing.
    bool calculate();
    // Every row as shown, from the top.
    const std::vector<SunRow>& rows() const { return rows_; }

private:
    const Formats& formats_;
    std::vector<SunRow> rows_;
};
