// The main window's client area between the top band and the status bar: three columns (PanelLinks,
// PanelMitte, PanelRechts with its inner PanelRechts2) holding the ten value boxes, placed as the
// form's resize rule says: top and bottom boxes keep their heights, the middle box fills.
#pragma once

#include <QWidget>
#include <map>

#include "display/form_resize.h"

class ValueBox;

class ColumnsArea : public QWidget {
    Q_OBJECT
public:
    explicit ColumnsArea(QWidget* parent = nullptr);

    ValueBox* box(int number) const;
    const std::map<int, ValueBox*>& boxes() const { return boxes_; }
    // The result of the last resize (for tests and the screenshots).
    const ResizeResult& lastResize() const { return last_; }
    // The least size at which the resize rule still gives every box the room for all its labels
    // in its current font; the main window cannot be made smaller than this.
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent*) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormResize();
    void placeColumn(QWidget* panel, ValueBox* top, ValueBox* fill, ValueBox* bottom, int topHeight,
                     int bottomHeight);

    std::map<int, ValueBox*> boxes_;
    QWidget* left_;
    QWidget* middle_;
    QWidget* right_;
    QWidget* right2_;
    ResizeResult last_;
};
