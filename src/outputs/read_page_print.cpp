#include "outputs/read_page_print.h"

#include <QFile>

#include "base/notifier.h"
#include "base/text_file.h"

ReadPagePrinter::ReadPagePrinter(QObject* parent) : QObject(parent) {}

QString ReadPagePrinter::copyPath(const Settings& settings, const QDateTime& now,
                                  const Formats& formats) {
    return settings.WinGTRead + QStringLiteral("WX-Aktuell am ") +
           formats.dateTime(QStringLiteral("dd.mm. hh-nn"), now) + QStringLiteral(".txt");
}

void ReadPagePrinter::setCommand(const QString& program, const QStringList& arguments) {
    program_ = program;
    arguments_ = arguments;
}

void ReadPagePrinter::failed(const QString& reason) {
    reportError(QStringLiteral("%1 kann nicht gedruckt werden: %2").arg(copy_, reason));
    emit finished(false);
}

bool ReadPagePrinter::print(const QString& readPage, const QString& copy) {
    copy_ = copy;
    if (job_) {
        failed(QStringLiteral("Der vorige Druckauftrag läuft noch."));
        return false;
    }
    QFile page(readPage);
    if (!page.open(QIODevice::ReadOnly)) {
        failed(
            QStringLiteral("%1 kann nicht gelesen werden (%2).").arg(readPage, page.errorString()));
        return false;
    }
    QString error;
    if (!textfile::replaceWhole(copy, page.readAll(), &error)) {
        failed(error);
        return false;
    }
    job_ = new QProcess(this);
    job_->setProcessChannelMode(QProcess::MergedChannels);
    connect(job_, &QProcess::finished, this, &ReadPagePrinter::jobEnded);
    connect(job_, &QProcess::errorOccurred, this, [this](QProcess::ProcessError e) {
        if (e != QProcess::FailedToStart)
            return;  // the other errors end in finished()
        const QString program = job_->program();
        job_->deleteLater();
        job_ = nullptr;
        failed(QStringLiteral("Das Druckprogramm %1 kann nicht gestartet werden.").arg(program));
    });
    job_->start(program_, arguments_ + QStringList{copy});
    return true;
}

void ReadPagePrinter::jobEnded(int exitCode, QProcess::ExitStatus status) {
    const QString output = QString::fromLocal8Bit(job_->readAll()).trimmed();
    job_->deleteLater();
    job_ = nullptr;
    if (status == QProcess::NormalExit && exitCode == 0) {
        emit finished(true);
        return;
    }
    failed(output.isEmpty() ? QStringLiteral("Das Drucksystem meldet Fehler %1.").arg(exitCode)
                            : output);
}
