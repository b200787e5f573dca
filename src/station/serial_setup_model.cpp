#include "station/serial_setup_model.h"

#include <QRegularExpression>
#include <QSerialPortInfo>
#include <algorithm>

#include "station/serial_link.h"

namespace {
const QRegularExpression& ttyS() {
    static const QRegularExpression re(QStringLiteral("^/dev/ttyS([0-9]+)$"));
    return re;
}

// COM ports by their number first, then every other name in alphabetical order.
bool portBefore(const QString& a, const QString& b) {
    const bool comA = a.startsWith(QLatin1String("COM"));
    const bool comB = b.startsWith(QLatin1String("COM"));
    if (comA != comB)
        return comA;
    if (comA)
        return a.mid(3).toInt() < b.mid(3).toInt();
    return a < b;
}
}  // namespace

QString storedPortName(const QString& device) {
    const QRegularExpressionMatch m = ttyS().match(device.trimmed());
    if (m.hasMatch())
        return QStringLiteral("COM%1").arg(m.captured(1).toInt() + 1);
    return device.trimmed();
}

QStringList presentSerialPorts() {
    QStringList names;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        names << storedPortName(info.systemLocation());
    std::sort(names.begin(), names.end(), portBefore);
    names.removeDuplicates();
    return names;
}

SerialSetupModel::SerialSetupModel(SerialLink& link,
                                   std::function<void(const QString&)> keepPortName,
                                   std::function<QStringList()> ports)
    : link_(link), keepPortName_(std::move(keepPortName)), ports_(std::move(ports)) {}

void SerialSetupModel::fill() {
    portEntries = ports_ ? ports_() : QStringList();
    port = link_.portName();
    if (!portEntries.contains(port))
        portEntries.prepend(port);
    line = lineTexts(link_.lineSettings());
}

std::vector<FieldProblem> SerialSetupModel::problems() const {
    if (storedPortName(port).isEmpty())
        return {{QString::fromLatin1(kPortField), QStringLiteral("Bitte einen Port angeben.")}};
    return {};
}

std::optional<FieldProblem> SerialSetupModel::apply() {
    const QString name = storedPortName(port);
    // The lists offer only their own entries; an unknown text keeps the port's setting.
    const SerialLineSettings chosen =
        lineSettings(line, link_.lineSettings()).value_or(link_.lineSettings());
    // A port that fails with its new settings has been reported as a line error.
    link_.setup(name, chosen);
    if (keepPortName_)
        keepPortName_(name);
    return std::nullopt;
}
