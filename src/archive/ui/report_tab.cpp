#include "archive/ui/report_tab.h"

#include <QFileDialog>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "archive/archive_queries.h"
#include "archive/climate_report.h"
#include "base/notifier.h"
#include "base/text_file.h"

ReportTab::ReportTab(std::function<ReportSource()> source, QWidget* parent)
    : QWidget(parent), source_(std::move(source)) {
    setObjectName(QStringLiteral("Berichte"));
    title_ = new QLabel(this);
    title_->setObjectName(QStringLiteral("BerichtTitel"));
    save_ = new QPushButton(QStringLiteral("Speichern..."), this);
    save_->setObjectName(QStringLiteral("BerichtSpeichern"));
    save_->setAccessibleName(QStringLiteral("Bericht speichern"));
    text_ = new QPlainTextEdit(this);
    text_->setObjectName(QStringLiteral("Bericht"));
    text_->setAccessibleName(QStringLiteral("Klimabericht"));
    text_->setReadOnly(true);
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    text_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    auto* row = new QHBoxLayout;
    row->addWidget(title_, 1);
    row->addWidget(save_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(text_, 1);
    connect(save_, &QPushButton::clicked, this, [this] {
        const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Bericht speichern"),
                                                          reportFileName(year_, month_),
                                                          QStringLiteral("Textdateien (*.txt)"));
        if (!path.isEmpty())
            saveTo(path);
    });
}

void ReportTab::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (stale_)
        refresh();
}

void ReportTab::refresh() {
    stale_ = true;
    if (!isVisible())
        return;
    stale_ = false;
    const ReportSource source = source_();
    // The month of the range's middle; a range longer than a month shows the year.
    const QDate middle =
        QDateTime::fromSecsSinceEpoch((source.range.from + source.range.to) / 2).date();
    year_ = middle.year();
    month_ = source.range.length() > 31 * 86400 ? 0 : middle.month();
    lines_.clear();
    if (!source.archivePath.isEmpty()) {
        ArchiveReader reader(source.archivePath);
        if (reader.isOpen())
            lines_ = climateReportText(reader, climateReport(reader, year_, month_));
    }
    title_->setText(lines_.isEmpty() ? QStringLiteral("Kein Archiv") : lines_.first());
    text_->setPlainText(lines_.join(QLatin1Char('\n')));
    save_->setEnabled(!lines_.isEmpty());
}

bool ReportTab::saveTo(const QString& path) {
    QString reason;
    if (textfile::replaceWhole(path, textfile::crlfLines(lines_), &reason))
        return true;
    reportError(QStringLiteral("Der Bericht kann nicht gespeichert werden."),
                textfile::failureDetails(path, reason));
    return false;
}
