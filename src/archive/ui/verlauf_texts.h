// The value texts the "Verlauf" window's readout and tables share: German numbers with their
// unit, "–" for a value the archive does not hold, times in local time.
#pragma once

#include <QString>
#include <cstdint>
#include <optional>

#include "archive/archive_queries.h"

namespace verlauf {
QString dash();
// The value in tenths (decimals 1) or whole units with its unit; "–" without one.
QString shown(const std::optional<std::int32_t>& v, int decimals, const char* unit);
// The moment (UTC seconds) as local time in this form.
QString localText(std::int64_t seconds, const char* form);
// The value and, on the next line, its minute.
QString timedText(const std::optional<TimedValue>& v, int decimals, const char* unit);
}  // namespace verlauf
