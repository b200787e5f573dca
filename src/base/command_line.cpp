#include "base/command_line.h"

namespace commandline {

bool parse(QCommandLineParser& parser, const QStringList& arguments, QString* error) {
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    if (parser.parse(arguments)) {
        if (!parser.positionalArguments().isEmpty()) {
            *error =
                QStringLiteral("Unerwartetes Argument: %1").arg(parser.positionalArguments()[0]);
            return false;
        }
        return true;
    }
    const QStringList unknown = parser.unknownOptionNames();
    if (!unknown.isEmpty())
        *error = QStringLiteral("Unbekannte Option: %1").arg(unknown.first());
    else
        *error = QStringLiteral("Ungültiger Aufruf (%1)").arg(parser.errorText());
    return false;
}

std::optional<long long> integer(const QCommandLineParser& parser, const QString& name,
                                 long long min, long long max, QString* error) {
    bool ok = false;
    const long long v = parser.value(name).toLongLong(&ok);
    if (!ok || v < min || v > max) {
        *error = QStringLiteral("--%1: '%2' ist keine ganze Zahl von %3 bis %4")
                     .arg(name, parser.value(name))
                     .arg(min)
                     .arg(max);
        return std::nullopt;
    }
    return v;
}

std::optional<double> real(const QCommandLineParser& parser, const QString& name, double min,
                           double max, QString* error) {
    bool ok = false;
    const double v = parser.value(name).toDouble(&ok);
    if (!ok || v < min || v > max) {
        *error = QStringLiteral("--%1: '%2' ist keine Zahl von %3 bis %4")
                     .arg(name, parser.value(name))
                     .arg(min)
                     .arg(max);
        return std::nullopt;
    }
    return v;
}

}  // namespace commandline
