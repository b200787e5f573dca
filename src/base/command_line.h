// Command-line parsing for the programs, with German messages: options are declared on a
// QCommandLineParser as usual; parsing reports unknown options and missing values in German, and
// the numeric helpers check the values.
#pragma once

#include <QCommandLineParser>
#include <QString>
#include <QStringList>
#include <optional>

namespace commandline {

// Parses the arguments (program name first). On failure returns false with a German reason.
bool parse(QCommandLineParser& parser, const QStringList& arguments, QString* error);

// The option's value as a number within [min, max], or nothing with a German reason in *error.
std::optional<long long> integer(const QCommandLineParser& parser, const QString& name,
                                 long long min, long long max, QString* error);
std::optional<double> real(const QCommandLineParser& parser, const QString& name, double min,
                           double max, QString* error);

}  // namespace commandline
