// The archive as CSV for a spreadsheet: the minutes or the daily summaries of a range, separated by
// semicolons, with the German decimal comma and local times, UTF-8 (with a byte-order mark, so that
// spreadsheets take it for UTF-8) and a header line.
#pragma once

#include <QByteArray>
#include <cstdint>
#include <functional>

#include "archive/archive_queries.h"

using CsvSink = std::function<bool(const QByteArray& bytes)>;

enum class CsvRows { Minutes, Days };

// Writes the rows of [from, to) to the sink, a few hundred lines at a time; false when the sink
// refused bytes.
bool exportCsv(ArchiveReader& reader, std::int64_t from, std::int64_t to, CsvRows rows,
               const CsvSink& sink);

// The range of "VON BIS" as given on the command line or in the window's date fields: days
// (2024-06-01 or 01.06.2024; the last day counts whole) or local moments (2024-06-01T12:00).
// False with a German reason when a bound is no day or moment or the range is empty.
bool exportRange(const QString& from, const QString& to, std::int64_t* fromSeconds,
                 std::int64_t* toSeconds, QString* error);
