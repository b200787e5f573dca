// The checksum window ("CheckSums"): for each of the five station groups the result of its last
// checksum test, "OK!" or "Error!", written for every serial group whether the window is shown or
// not; empty until the first group of that kind.
#pragma once

#include "station/ui/grid_window.h"

class ChecksumWindow : public GridWindow {
    Q_OBJECT
public:
    explicit ChecksumWindow(QWidget* parent = nullptr);

    // Row 1 = 0x8F ... 5 = 0xCF.
    void setResult(int row, const QString& text);
    QString result(int row) const { return cell(row, 1); }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void halveColumns();
};
