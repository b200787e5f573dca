#include "outputs/log_week.h"

int LogWeek(const QDate& date) {
    return date.day() / 7 + 4 * (date.month() - 1) + 1;
}
