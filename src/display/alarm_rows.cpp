#include "display/alarm_rows.h"

#include "config/comma_text.h"

namespace {

struct RowSource {
    const char* key;
    const char* label;  // nullptr: a heading row without value
};

// Hi alarms sit in the first label of each pair, lo alarms in the second.
constexpr RowSource kRows[kAlarmRowCount] = {
    {"Alarm", nullptr},
    {"Wecker", "Label6"},
    {"Luftfeuchte aussen", nullptr},
    {" Max", "Label16"},
    {" Min", "Label17"},
    {"Luftfeuchte innen", nullptr},
    {" Max", "Label11"},
    {" Min", "Label12"},
    {"Temperatur aussen", nullptr},
    {" Max", "Label32"},
    {" Min", "Label33"},
    {"Temperatur innen", nullptr},
    {" Max", "Label25"},
    {" Min", "Label26"},
    {"Taupunkt aussen", "Label51"},
    {"Taupnkt innen", "Label45"},
    {"Windchill", "Label75"},
    {"Luftdruck", "Label41"},
    {"Windgeschwindigkeit", "Label69"},
    {"Regenrate", "Label64"},
};

QString quoted(const QString& text) {
    return QLatin1Char('"') + text + QLatin1Char('"');
}

}  // namespace

AlarmRows alarmRows(const std::function<QString(const QString& labelName)>& labelText) {
    AlarmRows rows;
    for (int i = 0; i < kAlarmRowCount; ++i) {
        const RowSource& source = kRows[i];
        QString value;
        if (i == 0)
            value = QStringLiteral("Wert");
        else if (source.label)
            value = labelText(QString::fromLatin1(source.label));
        // Each row is one comma list of its two cells; the quotes keep the blanks of a cell.
        const QString commaList = quoted(QString::fromUtf8(source.key)) + QLatin1Char(',') +
                                  (value.isEmpty() ? QString() : quoted(value));
        const QStringList cells = fromCommaText(commaList);
        rows[std::size_t(i)] = {cells.value(0), cells.value(1)};
    }
    return rows;
}
