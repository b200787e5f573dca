// The alarm overview (alarmfrm, "Alarme"): the console's alarm settings in a two-column table,
// taken from the main window's alarm labels each time the window is shown and kept as they were
// while it stays open.
#pragma once

#include <functional>

#include "station/ui/grid_window.h"

class AlarmWindow : public GridWindow {
    Q_OBJECT
public:
    // `labelText` gives the current text of a main window label by its name.
    explicit AlarmWindow(std::function<QString(const QString&)> labelText,
                         QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void fill();
    void halveColumns();

    std::function<QString(const QString&)> labelText_;
};
