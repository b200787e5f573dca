#include "outputs/asynop_report.h"

#include <QFile>

#include "base/app_clock.h"
#include "base/notifier.h"
#include "base/text_file.h"
#include "outputs/asynop_lines.h"
#include "outputs/log_week.h"

namespace {
const QString kCaption = QStringLiteral("ASYNOP");

bool failed(const char* text, const QString& details) {
    notify(kCaption, QString::fromUtf8(text), MessageButtons::Ok, details);
    return false;
}

// The archive folder for today: ProgramFolder "ASYNOP-Archiv/" [month year "/"] ["Woche " n "/"].
QString archiveFolder(const Settings& settings, const QDate& today, const Formats& formats) {
    QString folder = settings.ProgramFolder + QStringLiteral("ASYNOP-Archiv/");
    if (settings.ASYNOPMonatsordner)
        folder += formats.date(QStringLiteral("mmmm yyyy"), today) + QLatin1Char('/');
    if (settings.ASYNOPWochenordner)
        folder += QStringLiteral("Woche ") + QString::number(LogWeek(today)) + QLatin1Char('/');
    return folder;
}

// The lines of the working file; false when it cannot be read (it does not exist).
bool readWorkingFile(const QString& path, QStringList* lines) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QString text = textfile::fromWindows1252(file.readAll());
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    *lines = text.split(QLatin1Char('\n'));
    if (text.endsWith(QLatin1Char('\n')))
        lines->removeLast();
    return true;
}

// Why a report line or the end part cannot go into the working file now: it has not been started,
// or it has its end part already (a line or a second end behind it would break the message).
// Empty when it may.
QString refusalReason(const QString& path) {
    QStringList lines;
    if (!readWorkingFile(path, &lines))
        return QString::fromUtf8("noch nicht begonnen (\"Neue Datei\")");
    if (lines.contains(QStringLiteral("/QAM/")))
        return QString::fromUtf8("schon beendet (\"/QAM/\"); zuerst \"Neue Datei\"");
    return {};
}

// Copies the finished file; a failure gets its message and does not stop the other copy.
void deliver(const QString& working, const QString& target, const char* failureText) {
    QString reason;
    if (!textfile::copyReplacing(working, target, &reason))
        failed(failureText, textfile::failureDetails(target, reason));
}
}  // namespace

QString AsynopWorkingFile(const Settings& settings) {
    return settings.ProgramFolder + QStringLiteral("asynoptmp.txt");
}

bool AsynopNewFile(const OutputContext& context) {
    const QDateTime now = AppClock::currentDateTime();
    const Settings& settings = context.settings;
    const QString sender = AsynopSender(settings.ASYNOPAbsender, context.asynop);
    context.asynop.AsynopSubject = AsynopSubjectText(sender, now, context.formats);
    const QByteArray bytes =
        textfile::crlfLines(AsynopHeadLines(settings, sender, now, context.formats));
    const QString path = AsynopWorkingFile(settings);
    QString reason;
    if (!textfile::replaceWhole(path, bytes, &reason))
        return failed("ASYNOP-Datei konnte nicht eröffnet werden",
                      textfile::failureDetails(path, reason));
    return true;
}

bool AsynopAppendLine(const OutputContext& context) {
    const char* failure = "Konnte Zeile nicht in ASYNOP-Datei einfügen";
    const Settings& settings = context.settings;
    const QString path = AsynopWorkingFile(settings);
    QString reason = refusalReason(path);
    if (!reason.isEmpty())
        return failed(failure, textfile::failureDetails(path, reason));
    context.asynop.lineSender = settings.ASYNOPAbsender;
    const QString line = AsynopReportLine(context.station, settings,
                                          AsynopSender(settings.ASYNOPAbsender, context.asynop),
                                          AppClock::currentDateTime());
    if (!textfile::appendExisting(path, textfile::crlfLines({line}), &reason))
        return failed(failure, textfile::failureDetails(path, reason));
    return true;
}

bool AsynopEndFile(const OutputContext& context) {
    const char* failure = "ASYNOP-Datei konnte nicht beendet werden";
    const Settings& settings = context.settings;
    const QString path = AsynopWorkingFile(settings);
    QString reason = refusalReason(path);
    if (!reason.isEmpty())
        return failed(failure, textfile::failureDetails(path, reason));
    if (!textfile::appendExisting(path, textfile::crlfLines(AsynopEndLines(settings)), &reason))
        return failed(failure, textfile::failureDetails(path, reason));
    return true;
}

bool AsynopHourlyCheck(const OutputContext& context, bool withLine) {
    const QDateTime now = AppClock::currentDateTime();
    if (now.time().minute() != 0)
        return false;
    const Settings& settings = context.settings;
    const int utcHour = AsynopUtc(now, settings).time().hour();
    if (utcHour % 6 != 0)
        return false;

    const bool fourTimes = settings.ASYNOPIntervall;
    // A file of one report would be delivered empty: it waits for the next report hour.
    if (!withLine && fourTimes)
        return true;
    if ((fourTimes || utcHour == 0) && !AsynopNewFile(context))
        return true;
    if (withLine && !AsynopAppendLine(context))
        return true;
    // The daily file collects the 00, 06, 12 and 18 UTC lines and is finished at 18 UTC.
    if (!fourTimes && utcHour != 18)
        return true;
    if (!AsynopEndFile(context))
        return true;

    const QString working = AsynopWorkingFile(settings);
    deliver(working, settings.ASYNOPDatei, "ASYNOP-Datei konnte nicht kopiert werden");
    if (settings.ASYNOPArchiv) {
        const char* archiveFailure = "ASYNOP-Datei konnte nicht archiviert werden";
        const QString folder = archiveFolder(settings, now.date(), context.formats);
        QString reason;
        if (!textfile::makeFolder(folder, &reason)) {
            failed(archiveFailure, textfile::failureDetails(folder, reason));
            return true;
        }
        deliver(working,
                folder + context.formats.dateTime(QStringLiteral("yyyy.mm.dd. - hh-nn"), now) +
                    QStringLiteral(".txt"),
                archiveFailure);
    }
    return true;
}

QString AsynopStatusText(const Settings& settings, const AsynopState& state) {
    QStringList lines;
    if (!readWorkingFile(AsynopWorkingFile(settings), &lines))
        return QStringLiteral("ASYNOP: keine Datei");
    return AsynopStatusFromLines(lines, AsynopSender(settings.ASYNOPAbsender, state));
}
