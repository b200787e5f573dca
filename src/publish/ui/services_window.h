// "&Ansicht" -> "Dienste": every upload service with its state, the time of its last success and
// its last error, kept current while the window is open.
#pragma once

#include <QWidget>

class QTableWidget;
class Uploads;

class ServicesWindow : public QWidget {
    Q_OBJECT
public:
    explicit ServicesWindow(const Uploads& uploads, QWidget* parent = nullptr);

    QTableWidget* table() const { return table_; }
    void refresh();

protected:
    void showEvent(QShowEvent* event) override;

private:
    const Uploads& uploads_;
    QTableWidget* table_;
};
