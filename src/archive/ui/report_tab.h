// The tab "Berichte" of the Verlauf window: the climate report of the month of the window's range
// (or of its year, for a range longer than a month) as the text the file holds, and "Speichern...".
#pragma once

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWidget>
#include <functional>

#include "archive/verlauf_range.h"

// The archive and the range the window shows.
struct ReportSource {
    QString archivePath;
    VerlaufRange range;
};

class ReportTab : public QWidget {
    Q_OBJECT
public:
    explicit ReportTab(std::function<ReportSource()> source, QWidget* parent = nullptr);

    // The window's range or archive has changed: the report follows (at once while shown, else when
    // the tab is next shown).
    void refresh();
    // The report's period: year and month (0: the year).
    int year() const { return year_; }
    int month() const { return month_; }
    QString text() const { return text_->toPlainText(); }
    // "Speichern...": false with the reason shown when the file cannot be written.
    bool saveTo(const QString& path);

protected:
    void showEvent(QShowEvent* event) override;

private:
    std::function<ReportSource()> source_;
    QLabel* title_ = nullptr;
    QPlainTextEdit* text_ = nullptr;
    QPushButton* save_ = nullptr;
    QStringList lines_;
    int year_ = 0, month_ = 0;
    bool stale_ = true;
};
