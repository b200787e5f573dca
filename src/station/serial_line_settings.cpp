#include "station/serial_line_settings.h"

#include <array>
#include <utility>

namespace {
const std::array<std::pair<const char*, QSerialPort::StopBits>, 3> kStopBits = {
    {{"1", QSerialPort::OneStop},
     {"1.5", QSerialPort::OneAndHalfStop},
     {"2", QSerialPort::TwoStop}}};
const std::array<std::pair<const char*, QSerialPort::Parity>, 5> kParities = {
    {{"None", QSerialPort::NoParity},
     {"Odd", QSerialPort::OddParity},
     {"Even", QSerialPort::EvenParity},
     {"Mark", QSerialPort::MarkParity},
     {"Space", QSerialPort::SpaceParity}}};
const std::array<std::pair<const char*, FlowChoice>, 4> kFlows = {
    {{"Hardware", FlowChoice::Hardware},
     {"Software", FlowChoice::Software},
     {"None", FlowChoice::None},
     {"Custom", FlowChoice::Custom}}};

template <typename Table>
QStringList names(const Table& table) {
    QStringList out;
    for (const auto& [name, value] : table)
        out << QString::fromLatin1(name);
    return out;
}

template <typename Table, typename Value>
QString nameOf(const Table& table, Value value) {
    for (const auto& [name, v] : table)
        if (v == value)
            return QString::fromLatin1(name);
    return {};
}

template <typename Table>
auto valueOf(const Table& table, const QString& text)
    -> std::optional<typename Table::value_type::second_type> {
    for (const auto& [name, v] : table)
        if (text == QLatin1String(name))
            return v;
    return std::nullopt;
}
}  // namespace

const QStringList& baudRateEntries() {
    static const QStringList entries = {"Custom", "110",    "300",    "600",   "1200",  "2400",
                                        "4800",   "9600",   "14400",  "19200", "38400", "56000",
                                        "57600",  "115200", "128000", "256000"};
    return entries;
}

const QStringList& dataBitsEntries() {
    static const QStringList entries = {"5", "6", "7", "8"};
    return entries;
}

const QStringList& stopBitsEntries() {
    static const QStringList entries = names(kStopBits);
    return entries;
}

const QStringList& parityEntries() {
    static const QStringList entries = names(kParities);
    return entries;
}

const QStringList& flowControlEntries() {
    static const QStringList entries = names(kFlows);
    return entries;
}

SerialLineTexts lineTexts(const SerialLineSettings& s) {
    const QString baud = QString::number(s.baudRate);
    return {baudRateEntries().contains(baud) ? baud : QStringLiteral("Custom"),
            QString::number(int(s.dataBits)), nameOf(kStopBits, s.stopBits),
            nameOf(kParities, s.parity), nameOf(kFlows, s.flow)};
}

std::optional<SerialLineSettings> lineSettings(const SerialLineTexts& texts,
                                               const SerialLineSettings& current) {
    if (!baudRateEntries().contains(texts.baudRate) || !dataBitsEntries().contains(texts.dataBits))
        return std::nullopt;
    const auto stop = valueOf(kStopBits, texts.stopBits);
    const auto parity = valueOf(kParities, texts.parity);
    const auto flow = valueOf(kFlows, texts.flowControl);
    if (!stop || !parity || !flow)
        return std::nullopt;
    SerialLineSettings s;
    s.baudRate =
        texts.baudRate == QLatin1String("Custom") ? current.baudRate : texts.baudRate.toInt();
    s.dataBits = QSerialPort::DataBits(texts.dataBits.toInt());
    s.stopBits = *stop;
    s.parity = *parity;
    s.flow = *flow;
    return s;
}
