// The labels of one value box, one per line; when the box is too short for that, each time stands
// beside its value. Placed by hand so that a changed text moves nothing outside the box.
#pragma once

#include <QWidget>
#include <vector>

#include "display/display_design.h"

class QLabel;

class LabelArea : public QWidget {
    Q_OBJECT
public:
    LabelArea(const std::vector<LabelDesign>& labels, QWidget* parent = nullptr);

    // The width the widest shown label needs.
    int neededWidth() const;
    // The least room that shows every label whole: the times beside their values where the
    // labels come in pairs, one label per line otherwise.
    QSize minimumSizeHint() const override;
    bool paired() const { return paired_; }

signals:
    // A text change made the widest label wider or narrower.
    void neededWidthChanged();

protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent*) override;

private:
    struct Item {
        QLabel* label;
        bool besidePrevious;
    };
    void place();

    // The widest value that has a time beside it, and the widest time.
    int valueWidth() const;
    int timeWidth() const;

    std::vector<Item> items_;
    bool paired_ = false;
    int neededWidth_ = 0;
    QSize minimum_;
};
