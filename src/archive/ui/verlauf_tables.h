// The tables of the "Verlauf" window: "Rekorde" (the highest and lowest temperature, the strongest
// gust and the wettest day of today, this month, this year and ever) and "Tageswerte" (one row per
// local day of the range).
#pragma once

#include <QTableWidget>

#include "archive/verlauf_range.h"

class ArchiveReader;

class RecordsTable : public QTableWidget {
    Q_OBJECT
public:
    explicit RecordsTable(QWidget* parent = nullptr);
    // The records up to now (no reader: every cell "–").
    void fill(ArchiveReader* reader, const QDateTime& now);
};

class DaysTable : public QTableWidget {
    Q_OBJECT
public:
    explicit DaysTable(QWidget* parent = nullptr);
    // The days of the range (no reader: none).
    void fill(ArchiveReader* reader, const VerlaufRange& range);
};
