#include "outputs/asynop_report.h"

#include <QFile>

#include "base/app_clock.h"
#include "base/notifier.h"
#include "base/text_file.h"
#include "outputs/asynop_lines.h"
#include "outputs/log_week.h"

namespace {
const QString kCaption = QStringLiteral("ASYNOP");

bool failed(const char* text) {
    notify(kCaption, QString::fromUtf8(text));
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
}  // namespace

QString AsynopWorkingFile(const Settings& settings) {
    return settings.ProgramFolder + QStringLiteral("asynoptmp.txt");
}

bool AsynopNewFile(const OutputContext& context) {
    const QDateTime now = AppClock::currentDateTime();
    const Settings& settings = context.settings;
    context.asynop.AsynopSubject = AsynopSubjectText(settings, now, context.formats);
    const QByteArray bytes = textfile::crlfLines(AsynopHeadLines(settings, now, context.formats));
    if (!textfile::replaceWhole(AsynopWorkingFile(settings), bytes))
        return failed("ASYNOP-Datei konnte nicht eröffnet werden");
    return true;
}

bool AsynopAppendLine(const OutputContext& context) {
    Settings& settings = context.settings;
    if (settings.ASYNOPAbsender.size() < 6)
        settings.ASYNOPAbsender = settings.ASYNOPAbsender.leftJustified(6);
    const QString line =
        AsynopReportLine(context.station.Record, settings, AppClock::currentDateTime());
    if (!textfile::appendExisting(AsynopWorkingFile(settings), textfile::crlfLines({line})))
        return failed("Konnte Zeile nicht in ASYNOP-Datei einfügen");
    return true;
}

bool AsynopEndFile(const OutputContext& context) {
    const Settings& settings = context.settings;
    if (!textfile::appendExisting(AsynopWorkingFile(settings),
                                  textfile::crlfLines(AsynopEndLines(settings))))
        return failed("ASYNOP-Datei konnte nicht beendet werden");
    return true;
}

void AsynopHourlyCheck(const OutputContext& context) {
    const QDateTime now = AppClock::currentDateTime();
    if (now.time().minute() != 0)
        return;
    const Settings& settings = context.settings;
    const int utcHour = AsynopUtc(now, settings.Zeitzone).time().hour();
    if (utcHour % 6 != 0)
        return;

    const bool fourTimes = settings.ASYNOPIntervall;
    if ((fourTimes || utcHour == 0) && !AsynopNewFile(context))
        return;
    if (!AsynopAppendLine(context))
        return;
    // The daily file collects the 00, 06, 12 and 18 UTC lines and is finished at 18 UTC.
    if (!fourTimes && utcHour != 18)
        return;
    if (!AsynopEndFile(context))
        return;

    const QString working = AsynopWorkingFile(settings);
    textfile::copyReplacing(working, settings.ASYNOPDatei);
    if (settings.ASYNOPArchiv) {
        const QString folder = archiveFolder(settings, now.date(), context.formats);
        textfile::makeFolder(folder);
        textfile::copyReplacing(
            working, folder + context.formats.dateTime(QStringLiteral("yyyy.mm.dd. - hh-nn"), now) +
                         QStringLiteral(".txt"));
    }
}

QString AsynopStatusText(const Settings& settings) {
    QFile file(AsynopWorkingFile(settings));
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("ASYNOP: keine Datei");
    QString text = textfile::fromWindows1252(file.readAll());
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QStringList lines = text.split(QLatin1Char('\n'));
    if (text.endsWith(QLatin1Char('\n')))
        lines.removeLast();
    return AsynopStatusFromLines(lines, settings.ASYNOPAbsender);
}
