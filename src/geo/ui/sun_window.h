// The sun window ("Sonne"): day of the year, latitude, longitude and UTC difference in, and with
// "Berechnen" one block of rows (equation of time, declination, day length, rise and set) on top
// of the earlier ones. Non-modal, beside the main window.
#pragma once

#include <QDialog>

#include "geo/sun_window_model.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

class SunWindow : public QDialog {
    Q_OBJECT
public:
    // `today` is the day whose day-of-year the first label shows.
    SunWindow(const QDate& today, QWidget* parent = nullptr);

    SunWindowModel& model() { return model_; }
    QTreeWidget* list() const { return list_; }
    QPushButton* calculateButton() const { return calculate_; }

    // "Berechnen".
    void calculate();

private:
    SunWindowModel model_;
    QLabel* dayLabel_;
    QLineEdit* day_;
    QLineEdit* latitude_;
    QLineEdit* longitude_;
    QLineEdit* utc_;
    QPushButton* calculate_;
    QTreeWidget* list_;
};
