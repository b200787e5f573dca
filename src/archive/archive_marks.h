// Values marked "ungültig": spans of one quantity the owner has found wrong (a spike, a sensor in
// the sun, a rain gauge being cleaned). The minutes stay as they are; the marks live in a table of
// their own, and every query reads the minutes through the view `clean_minutes`, which hides a
// marked value as if it had never come. Marking or unmarking rebuilds the hours and days of the
// span at once, so that daily values and records follow in the same transaction.
#pragma once

#include <QSqlDatabase>
#include <QSqlError>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <vector>

#include "station/quantity.h"

// The statement that creates the mark table and the view of the minutes without marked values.
QString markTableMigration();

// A name the owner can mark by (the command line, the Verlauf window) and the archive columns it
// covers: "Böe" marks the gust and the minute's highest gust, "Regen" the total and the rate.
struct MarkName {
    const char* name;     // "Temperatur außen", ...
    const char* keyword;  // "temperatur-aussen", for the command line
    std::vector<Quantity> quantities;
};
const std::vector<MarkName>& markNames();
// The entry whose name or keyword is `text` (case ignored), or nullptr.
const MarkName* markNameFor(const QString& text);

// One marked span [from, to) of a quantity, UTC seconds.
struct MarkedSpan {
    Quantity quantity = Quantity::OutdoorTemp;
    std::int64_t from = 0, to = 0;
};

// Marks (mark true) or unmarks [from, to) of these quantities in the archive at `path`, and
// rebuilds the hours and days it touches. Unmarking a part of a mark keeps the rest marked. False
// with a German reason on failure (nothing changed then).
bool setMarked(const QString& path, const std::vector<Quantity>& quantities, std::int64_t from,
               std::int64_t to, bool mark, QString* error);
// The same on an open connection (inside a transaction of its own).
bool setMarked(QSqlDatabase& db, const std::vector<Quantity>& quantities, std::int64_t from,
               std::int64_t to, bool mark, QSqlError* error);

// The marks that overlap [from, to), oldest first.
std::vector<MarkedSpan> marksIn(QSqlDatabase& db, std::int64_t from, std::int64_t to);
