#include "base/command_line.h"

#include <QRegularExpression>
#include <cstdio>

#include "base/program_version.h"

namespace commandline {

namespace {
// Qt's text for an option given without its value.
const QRegularExpression kMissingValue(QStringLiteral("^Missing value after '(.*)'"));
}  // namespace

QList<QCommandLineOption> standardOptions() {
    return {QCommandLineOption(QStringList{QStringLiteral("h"), QStringLiteral("help")}),
            QCommandLineOption(QStringLiteral("version"))};
}

bool answerHelpOrVersion(const QCommandLineParser& parser, const char* program, const char* help) {
    if (parser.isSet(QStringLiteral("help"))) {
        std::fputs(help, stdout);
        return true;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        std::printf("%s %s\n", program, kProgramVersionText);
        return true;
    }
    return false;
}

int fail(const char* program, const QString& text) {
    std::fprintf(stderr, "%s: %s\n", program, text.toLocal8Bit().constData());
    std::fflush(stderr);
    return 2;
}

bool parse(QCommandLineParser& parser, const QStringList& arguments, QString* error,
           int positional) {
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    if (parser.parse(arguments)) {
        if (parser.positionalArguments().size() > positional) {
            *error = QStringLiteral("Unerwartetes Argument: %1 (--help zeigt den Aufruf)")
                         .arg(parser.positionalArguments()[positional]);
            return false;
        }
        return true;
    }
    const QStringList unknown = parser.unknownOptionNames();
    if (!unknown.isEmpty())
        *error = QStringLiteral("Unbekannte Option: %1%2 (--help zeigt den Aufruf)")
                     .arg(unknown.first().size() == 1 ? QStringLiteral("-") : QStringLiteral("--"),
                          unknown.first());
    else if (const QRegularExpressionMatch m = kMissingValue.match(parser.errorText());
             m.hasMatch())
        *error =
            QStringLiteral("%1 braucht einen Wert (--help zeigt den Aufruf)").arg(m.captured(1));
    else
        *error = QStringLiteral("Ungültiger Aufruf (%1; --help zeigt den Aufruf)")
                     .arg(parser.errorText());
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
