// "Ungültig markieren...": a span of one quantity marked "ungültig" (or the mark taken away), so
// that charts, daily values, records, reports and exports leave those values out.
#pragma once

#include <QComboBox>
#include <QDateTimeEdit>
#include <QDialog>
#include <QRadioButton>

class MarkSpanDialog : public QDialog {
    Q_OBJECT
public:
    // The span [from, to) (UTC seconds) is offered; the dialog changes the archive at `path`.
    MarkSpanDialog(const QString& path, std::int64_t from, std::int64_t to,
                   QWidget* parent = nullptr);

    // Opens the dialog; true when the archive was changed.
    static bool ask(QWidget* parent, const QString& path, std::int64_t from, std::int64_t to);

    // "OK": the mark set or taken away; false with the reason shown when it cannot be.
    bool apply();

    QComboBox* quantity = nullptr;
    QDateTimeEdit* fromEdit = nullptr;
    QDateTimeEdit* toEdit = nullptr;
    QRadioButton* mark = nullptr;
    QRadioButton* unmark = nullptr;

private:
    QString path_;
};
