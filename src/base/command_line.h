// Command-line parsing for the programs, with German messages: options are declared on a
// QCommandLineParser as usual; parsing reports unknown options and missing values in German, and
// the numeric helpers check the values.
#pragma once

#include <QCommandLineParser>
#include <QString>
#include <QStringList>
#include <optional>

namespace commandline {

// The options every program knows: -h / --help and --version.
QList<QCommandLineOption> standardOptions();

// Parses the arguments (program name first). On failure returns false with a German reason; an
// unknown option is named before anything else is looked at. At most `positional` arguments
// that are no options are allowed.
bool parse(QCommandLineParser& parser, const QStringList& arguments, QString* error,
           int positional = 0);

// After a successful parse: prints the help text or "program version" to standard output when
// asked for, and says whether it did (the program then ends with 0).
bool answerHelpOrVersion(const QCommandLineParser& parser, const char* program, const char* help);

// "program: text" on standard error; returns 2, the exit code of a wrong call.
int fail(const char* program, const QString& text);

// The option's value as a number within [min, max], or nothing with a German reason in *error.
std::optional<long long> integer(const QCommandLineParser& parser, const QString& name,
                                 long long min, long long max, QString* error);
std::optional<double> real(const QCommandLineParser& parser, const QString& name, double min,
                           double max, QString* error);

}  // namespace commandline
